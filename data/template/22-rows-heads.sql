-- What belongs to the scan head, the FCS head and the spectral option.

-- Rows switched off when the scan head is removed; SPEKRO marks rows of the spectral option.
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'Pmt1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'Pmt2', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'Pmt3', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'Pmt4', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'PmtM', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Point Detectors', 'PmtSPI1', 1);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Servos', 'GS1', 1);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available High Voltage Supplies', 'HVSupply1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available High Voltage Supplies', 'HVSupply2', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available High Voltage Supplies', 'HVSupply3', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available High Voltage Supplies', 'HVSupply4', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available High Voltage Supplies', 'HVSupplyM', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Integrators', 'Integrator1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Integrators', 'Integrator2', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Integrators', 'Integrator3', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Integrators', 'Integrator4', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Integrators', 'IntegratorM', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Pinholes', 'PH1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Pinholes', 'PH2', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Pinholes', 'PH3', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Pinholes', 'PH4', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF2', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF3', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF4', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF5', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'EF6', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'HT1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Filtersets', 'NT1', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Collimators', 'IR/Vis', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Collimators', 'UV/Vis', 0);
INSERT INTO [Scan Head Objects] ([Table], [Object], [SPEKRO])
    VALUES ('Available Interfaces', 'CANI', 0);

-- Rows of the FCS head; only standard rows are switched on with the head.
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Interfaces', 'CANO', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Filtersets', 'FCS_EF1', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Filtersets', 'FCS_EF2', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Filtersets', 'FCS_EF5', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Filtersets', 'FCS_MBS1', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Filtersets', 'FCS_DBS1', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Pinholes', 'FCS_PH1', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Servos', 'FCS_PH1S', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Servos', 'FCS_PH1X', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Servos', 'FCS_PH1Y', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available DIOs', 'FCS_LED', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Temperature Sensors', 'FCS Temperature Sensor', 1);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Collimators', 'NIR', 0);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Switches', 'FCS_AMIR', 0);
INSERT INTO [FCS Head Objects] ([Table], [Object], [IsStandard])
    VALUES ('Available Switches', 'FCS_BMIR', 0);

-- Rows that must be off while the spectral option is on. An object with a check device comes
-- back only while that device is usable.
INSERT INTO [Spekro Objects to disable] ([ID Available], [Table], [Check Table], [Check Object])
    VALUES ('Pmt1', 'Available Point Detectors', 'None', 'None');
INSERT INTO [Spekro Objects to disable] ([ID Available], [Table], [Check Table], [Check Object])
    VALUES ('Integrator1', 'Available Integrators', 'Available Point Detectors', 'Pmt1');
INSERT INTO [Spekro Objects to disable] ([ID Available], [Table], [Check Table], [Check Object])
    VALUES ('EF1', 'Available Filtersets', 'Available Point Detectors', 'Pmt1');
