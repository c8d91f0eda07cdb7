-- Detection of the demo installation: four confocal channels and the monitor diode in
-- use, the transmitted-light detector in transmission mode, the NDD channels present but off.
-- Each detector names its supply, integrator and filter set; each supply and integrator names
-- its DAC and DIO.

-- Detectors and their chains.
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('Pmt1', ' ', 'PMT R6357', 'HVSupply1', 'I/Integrator1', 'F/EF1', 1, 'Confocal');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('Pmt2', ' ', 'PMT R6357', 'HVSupply2', 'I/Integrator2', 'F/EF2', 2, 'Confocal');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('Pmt3', ' ', 'PMT R6357', 'HVSupply3', 'I/Integrator3', 'F/EF3', 3, 'Confocal');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('Pmt4', ' ', 'PMT R6357', 'HVSupply4', 'I/Integrator4', 'F/EF4', 4, 'Confocal');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('PmtM', ' ', 'PMT R6357', 'HVSupplyM', 'I/IntegratorM', 'F/EF5', 8, 'Confocal');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('PmtD', ' ', 'PMT R6357', 'HVSupply5', 'I/IntegratorD', ' ', 5, 'Transmission');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('NDD_Pmt6', 'Do not use', 'PMT R6357', 'HVSupply6', 'I/Integrator6', 'F/NDD_EF6', 6, 'NDD');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('NDD_Pmt7', 'Do not use', 'PMT R6357', 'HVSupply7', 'I/Integrator7', 'F/NDD_EF7', 7, 'NDD');
INSERT INTO [Available Point Detectors] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('NDD_Pmt8', 'Do not use', 'PMT R6357', 'HVSupply8', 'I/Integrator8', 'F/NDD_EF8', 8, 'NDD');

-- High-voltage supplies, each set by a DAC.
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply1', ' ', 'HV 1000V', 'DAC111');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply2', ' ', 'HV 1000V', 'DAC211');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply3', ' ', 'HV 1000V', 'DAC311');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply4', ' ', 'HV 1000V', 'DAC411');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupplyM', ' ', 'HV 1000V', 'DACM11');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply5', ' ', 'HV 1000V', 'DAC511');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply6', 'Do not use', 'HV 1000V', 'DAC611');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply7', 'Do not use', 'HV 1000V', 'DAC711');
INSERT INTO [Available High Voltage Supplies] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupply8', 'Do not use', 'HV 1000V', 'DAC811');

-- Integrators with their DIO and DAC.
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator1', ' ', 'Integrator 16 Bit', 'REG130', 'DAC121', 1);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator2', ' ', 'Integrator 16 Bit', 'REG230', 'DAC221', 2);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator3', ' ', 'Integrator 16 Bit', 'REG330', 'DAC321', 3);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator4', ' ', 'Integrator 16 Bit', 'REG430', 'DAC421', 4);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('IntegratorM', ' ', 'Integrator 16 Bit', 'REGM30', 'DACM21', 8);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('IntegratorD', ' ', 'Integrator 16 Bit', 'REG530', 'DAC521', 5);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator6', 'Do not use', 'Integrator 16 Bit', 'REG630', 'DAC621', 6);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator7', 'Do not use', 'Integrator 16 Bit', 'REG730', 'DAC721', 7);
INSERT INTO [Available Integrators] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('Integrator8', 'Do not use', 'Integrator 16 Bit', 'REG830', 'DAC821', 8);

-- DACs of the supplies and integrators; Control Voltage names the CAN node that drives them.
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC111', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC121', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC211', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC221', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC311', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC321', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC411', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC421', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DACM11', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DACM21', ' ', 'DAC 12 Bit', 'CANI');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC511', ' ', 'DAC 12 Bit', 'CANK');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC521', ' ', 'DAC 12 Bit', 'CANK');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC611', 'Do not use', 'DAC 12 Bit', 'CANL');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC621', 'Do not use', 'DAC 12 Bit', 'CANL');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC711', 'Do not use', 'DAC 12 Bit', 'CANM');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC721', 'Do not use', 'DAC 12 Bit', 'CANM');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC811', 'Do not use', 'DAC 12 Bit', 'CANB');
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DAC821', 'Do not use', 'DAC 12 Bit', 'CANB');

-- DIOs of the integrators and the LED controller of the scan head.
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG130', ' ', 'DIO 8 Bit', 'CANI');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG230', ' ', 'DIO 8 Bit', 'CANI');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG330', ' ', 'DIO 8 Bit', 'CANI');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG430', ' ', 'DIO 8 Bit', 'CANI');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REGM30', ' ', 'DIO 8 Bit', 'CANI');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG530', ' ', 'DIO 8 Bit', 'CANK');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG630', 'Do not use', 'DIO 8 Bit', 'CANL');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG730', 'Do not use', 'DIO 8 Bit', 'CANM');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG830', 'Do not use', 'DIO 8 Bit', 'CANB');
INSERT INTO [Available DIOs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REG100', ' ', 'DIO 8 Bit', 'CANI');

-- Pinholes with the servos that size and move them; only PH1 has a Z servo.
INSERT INTO [Available Pinholes] ([ID Available], [Status], [ID Potential], [Control Size], [Control X], [Control Y], [Control Z])
    VALUES ('PH1', ' ', 'Pinhole', 'PH1S', 'PH1X', 'PH1Y', 'PH1Z');
INSERT INTO [Available Pinholes] ([ID Available], [Status], [ID Potential], [Control Size], [Control X], [Control Y], [Control Z])
    VALUES ('PH2', ' ', 'Pinhole', 'PH2S', 'PH2X', 'PH2Y', ' ');
INSERT INTO [Available Pinholes] ([ID Available], [Status], [ID Potential], [Control Size], [Control X], [Control Y], [Control Z])
    VALUES ('PH3', ' ', 'Pinhole', 'PH3S', 'PH3X', 'PH3Y', ' ');
INSERT INTO [Available Pinholes] ([ID Available], [Status], [ID Potential], [Control Size], [Control X], [Control Y], [Control Z])
    VALUES ('PH4', ' ', 'Pinhole', 'PH4S', 'PH4X', 'PH4Y', ' ');

-- Servos of pinholes, collimators, laser switches, the attenuator and the stand.
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH1S', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH1X', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH1Y', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH2S', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH2X', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH2Y', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH3S', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH3X', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH3Y', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH4S', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH4X', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH4Y', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('PH1Z', ' ', 'Servo Pinhole', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('COL1', ' ', 'Servo Collimator', 'CANI', NULL, 1.2);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('COL2', 'Do not use', 'Servo Collimator', 'CANI', NULL, 0.5);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('COL3', ' ', 'Servo Collimator', 'CANI', NULL, 0.8);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('Servo LD405', 'Do not use', 'Servo Switch', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('Servo HeNe2', ' ', 'Servo Switch', 'CANI', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('FCS_AMIR', ' ', 'Servo Switch', 'CANO', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('FCS_BMIR', 'Do not use', 'Servo Switch', 'CANO', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 1', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 1', 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('LFB1', ' ', 'Servo Field Stop', 'CANH', NULL, 0.0);
INSERT INTO [Available Servos] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('KAB1', ' ', 'Servo Aperture', 'CANH', NULL, 0.0);

-- Collimators of the laser coupling. The near-infrared collimator came with the FCS twin rows
-- when the Mai Tai was switched on, the older heads' "VIS" with it.
INSERT INTO [Available Collimators] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('IR/Vis', ' ', 'Collimator Vis', 'COL1', 1.2);
INSERT INTO [Available Collimators] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('UV/Vis', 'Do not use', 'Collimator UV', 'COL2', 0.5);
INSERT INTO [Available Collimators] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('NIR', ' ', 'Collimator NIR', 'COL3', 0.8);
INSERT INTO [Available Collimators] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('VIS', 'Do not use', 'Collimator Vis', 'COL1', 1.2);

-- Calibration of the detection devices.
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('Pmt1', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('Pmt2', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('Pmt3', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('Pmt4', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('PmtM', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('PmtD', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('NDD_Pmt6', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('NDD_Pmt7', 0.0, 1.0);
INSERT INTO [Calibration Point Detectors] ([ID Available], [Offset], [Gain])
    VALUES ('NDD_Pmt8', 0.0, 1.0);

INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply1', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply2', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply3', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply4', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupplyM', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply5', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply6', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply7', 0.0, 1.0, 1000.0);
INSERT INTO [Calibration High Voltage Supplies] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupply8', 0.0, 1.0, 1000.0);

INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator1', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator2', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator3', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator4', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('IntegratorM', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('IntegratorD', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator6', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator7', 0.0, 1.0);
INSERT INTO [Calibration Integrators] ([ID Available], [Offset], [Factor])
    VALUES ('Integrator8', 0.0, 1.0);

INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC111', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC121', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC211', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC221', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC311', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC321', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC411', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC421', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DACM11', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DACM21', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC511', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC521', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC611', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC621', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC711', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC721', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC811', 0.0, 1.0);
INSERT INTO [Calibration DACs] ([ID Available], [Offset], [Factor])
    VALUES ('DAC821', 0.0, 1.0);

INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG130', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG230', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG330', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG430', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REGM30', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG530', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG630', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG730', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG830', 0);
INSERT INTO [Calibration DIOs] ([ID Available], [Default Value])
    VALUES ('REG100', 0);

INSERT INTO [Calibration Pinholes] ([ID Available], [Offset X], [Offset Y], [Factor])
    VALUES ('PH1', 0.0, 0.0, 1.0);
INSERT INTO [Calibration Pinholes] ([ID Available], [Offset X], [Offset Y], [Factor])
    VALUES ('PH2', 0.0, 0.0, 1.0);
INSERT INTO [Calibration Pinholes] ([ID Available], [Offset X], [Offset Y], [Factor])
    VALUES ('PH3', 0.0, 0.0, 1.0);
INSERT INTO [Calibration Pinholes] ([ID Available], [Offset X], [Offset Y], [Factor])
    VALUES ('PH4', 0.0, 0.0, 1.0);

INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH1S', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH1X', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH1Y', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH2S', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH2X', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH2Y', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH3S', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH3X', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH3Y', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH4S', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH4X', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH4Y', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('PH1Z', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('COL1', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('COL2', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('COL3', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('Servo LD405', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('Servo HeNe2', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 1', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('LFB1', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('KAB1', 0.0, 1.0, 0.0, 4095.0);

-- Temperature sensors of the scan head.
INSERT INTO [Available Temperature Sensors] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('SPI Temperature Sensor', ' ', 'PT100', 'CANI');
INSERT INTO [Available Temperature Sensors] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('Head Temperature Sensor', ' ', 'PT100', 'CANI');

INSERT INTO [Calibration Temperature Sensors] ([ID Available], [Offset], [Factor])
    VALUES ('SPI Temperature Sensor', 0.0, 1.0);
INSERT INTO [Calibration Temperature Sensors] ([ID Available], [Offset], [Factor])
    VALUES ('Head Temperature Sensor', 0.0, 1.0);
