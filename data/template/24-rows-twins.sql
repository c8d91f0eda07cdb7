-- Option twin tables: rows an option or system line brings into an installation. The
-- table names end in the option's suffix.

-- Spectral detector option.
INSERT INTO [Available Interfaces SPEKRO] ([ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('CANS1', 'Do not use', 'CanBusMk1', 'COM1', '0x50', 'Spectral detector node');

INSERT INTO [Available DACs SPEKRO] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DACSPI1', 'Do not use', 'DAC 12 Bit', 'CANS1');
INSERT INTO [Available DACs SPEKRO] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('DACSPI2', 'Do not use', 'DAC 12 Bit', 'CANS1');

INSERT INTO [Calibration DACs SPEKRO] ([ID Available], [Offset], [Factor])
    VALUES ('DACSPI1', 0.0, 1.0);
INSERT INTO [Calibration DACs SPEKRO] ([ID Available], [Offset], [Factor])
    VALUES ('DACSPI2', 0.0, 1.0);

INSERT INTO [Potential DIOs SPEKRO] ([ID Potential], [Kind], [Bits], [Summary])
    VALUES ('DIO SPI', 'DIO', 16, 'Spectral detector option');

INSERT INTO [Available DIOs SPEKRO] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('REGSPI30', 'Do not use', 'DIO SPI', 'CANS1');

INSERT INTO [Calibration DIOs SPEKRO] ([ID Available], [Default Value])
    VALUES ('REGSPI30', 0);

INSERT INTO [Available Servos SPEKRO] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('GS1', 'Do not use', 'Servo Grating', 'CANS1', 520.0);

INSERT INTO [Calibration Servos SPEKRO] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('GS1', 0.0, 1.0, 0.0, 4095.0);

INSERT INTO [Available Integrators SPEKRO] ([ID Available], [Status], [ID Potential], [Control DIO], [Control DAC], [Input Channel No])
    VALUES ('IntegratorSPI', 'Do not use', 'Integrator SPI', 'REGSPI30', 'DACSPI2', 0);

INSERT INTO [Calibration Integrators SPEKRO] ([ID Available], [Offset], [Factor])
    VALUES ('IntegratorSPI', 0.0, 1.0);

INSERT INTO [Available High Voltage Supplies SPEKRO] ([ID Available], [Status], [ID Potential], [Control Voltage])
    VALUES ('HVSupplySPI1', 'Do not use', 'HV 1000V', 'DACSPI1');

INSERT INTO [Calibration High Voltage Supplies SPEKRO] ([ID Available], [Offset], [Factor], [Maximum Voltage])
    VALUES ('HVSupplySPI1', 0.0, 1.0, 1000.0);

INSERT INTO [Available Point Detectors SPEKRO] ([ID Available], [Status], [ID Potential], [Control Gain], [Next Electrical Device], [Next Optical Device], [Input Channel No], [Detector Type])
    VALUES ('PmtSPI1', 'Do not use', 'PMT 32 Channel', 'HVSupplySPI1', 'I/IntegratorSPI', ' ', 1, 'Spectral');

INSERT INTO [Calibration Point Detectors SPEKRO] ([ID Available], [Offset], [Gain])
    VALUES ('PmtSPI1', 0.0, 1.0);

INSERT INTO [Available Amplifiers SPEKRO] ([ID Available], [Status], [ID Potential], [Control], [Input Channel No])
    VALUES ('AmplifierSPI', 'Do not use', 'Amplifier SPI', 'CANS1', 0);

INSERT INTO [Calibration Amplifiers SPEKRO] ([ID Available], [Gain], [Offset])
    VALUES ('AmplifierSPI', 1.0, 0.0);

INSERT INTO [Potential Video Switches SPEKRO] ([ID Potential], [Kind], [Input Channels], [Output Channels], [Track Registers])
    VALUES ('VSwitch 8x4', 'Video Switch', 8, 4, 4);

INSERT INTO [Available Video Switches SPEKRO] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('VS1', 'Do not use', 'VSwitch 8x4', 'CANS1', 'Spectral video switch');

-- FCS head.
INSERT INTO [Available Interfaces FCS] ([ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('CANO', ' ', 'CanBusMk1', 'COM1', '0x30', 'FCS head node');

INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('FCS_PH1S', 'Do not use', 'Servo Pinhole', 'CANO', 0.0);
INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('FCS_PH1X', 'Do not use', 'Servo Pinhole', 'CANO', 0.0);
INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('FCS_PH1Y', 'Do not use', 'Servo Pinhole', 'CANO', 0.0);
INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('FCS_AMIR', 'Do not use', 'Servo Switch', 'CANO', 0.0);
INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('FCS_BMIR', 'Do not use', 'Servo Switch', 'CANO', 0.0);
INSERT INTO [Available Servos FCS] ([ID Available], [Status], [ID Potential], [Control], [Default Value])
    VALUES ('COL3', 'Do not use', 'Servo Collimator', 'CANI', 0.8);

INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('FCS_PH1S', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('FCS_PH1X', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('FCS_PH1Y', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('FCS_AMIR', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('FCS_BMIR', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos FCS] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('COL3', 0.0, 1.0, 0.0, 4095.0);

INSERT INTO [Available Collimators FCS] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('NIR', 'Do not use', 'Collimator NIR', 'COL3', 0.8);
INSERT INTO [Available Collimators FCS] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('UV/Vis', 'Do not use', 'Collimator UV', 'COL2', 0.5);
-- Older heads name their visible collimator "VIS"; it comes with the others when one is missing.
INSERT INTO [Available Collimators FCS] ([ID Available], [Status], [ID Potential], [Control], [Default])
    VALUES ('VIS', 'Do not use', 'Collimator Vis', 'COL1', 1.2);

INSERT INTO [Available DIOs FCS] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('FCS_LED', 'Do not use', 'DIO 8 Bit', 'CANO');

INSERT INTO [Calibration DIOs FCS] ([ID Available], [Default Value])
    VALUES ('FCS_LED', 0);

INSERT INTO [Available FilterSets FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF1', 'Do not use', 'Filter Wheel 6', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available FilterSets FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF2', 'Do not use', 'Filter Wheel 6', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available FilterSets FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF5', 'Do not use', 'Filter Wheel 4', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available FilterSets FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_MBS1', 'Do not use', 'Beam Splitter Wheel 4', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available FilterSets FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_DBS1', 'Do not use', 'Beam Splitter Wheel 4', 'None', 'CANO', ' ', 'motorized');

INSERT INTO [Available Pinholes FCS] ([ID Available], [Status], [ID Potential], [Control Size], [Control X], [Control Y], [Control Z])
    VALUES ('FCS_PH1', 'Do not use', 'Pinhole', 'FCS_PH1S', 'FCS_PH1X', 'FCS_PH1Y', ' ');

INSERT INTO [Calibration Pinholes FCS] ([ID Available], [Offset X], [Offset Y], [Factor])
    VALUES ('FCS_PH1', 0.0, 0.0, 1.0);

INSERT INTO [Potential Switches FCS] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Mirror Switch FCS', 'Switch', 2, NULL);

INSERT INTO [Available Switches FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('FCS_AMIR', 'Do not use', 'Mirror Switch FCS', 'CANO', 'FCS_AMIR', 'undefined', ' ', 0);
INSERT INTO [Available Switches FCS] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('FCS_BMIR', 'Do not use', 'Mirror Switch FCS', 'CANO', 'FCS_BMIR', 'undefined', ' ', 0);

INSERT INTO [Available Temperature Sensors FCS] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('FCS Temperature Sensor', 'Do not use', 'PT100', 'CANO');

INSERT INTO [Calibration Temperature Sensors FCS] ([ID Available], [Offset], [Factor])
    VALUES ('FCS Temperature Sensor', 0.0, 1.0);

-- Entry-level (Kestro) system line.
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (405, 5, 'Do not use', 1, 'Kestro Attenuator');
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (458, 1, 'Do not use', 1, 'Kestro Attenuator');
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (488, 2, 'Do not use', 1, 'Kestro Attenuator');
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (514, 3, 'Do not use', 1, 'Kestro Attenuator');
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (543, 4, 'Do not use', 1, 'Kestro Attenuator');
INSERT INTO [Available Attenuator Channels Kestro] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM])
    VALUES (633, 5, 'Do not use', 1, 'Kestro Attenuator');

INSERT INTO [Available Firmware Parameters Kestro] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Attenuator Offset 1', 'Do not use', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters Kestro] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Attenuator Offset 2', 'Do not use', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters Kestro] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Attenuator Offset 3', 'Do not use', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters Kestro] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Attenuator Offset 4', 'Do not use', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters Kestro] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Attenuator Offset 5', 'Do not use', 'Firmware Value', 0.0, 3);

INSERT INTO [Available Lasers Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control LED], [Next Optical Device])
    VALUES ('Laser Diode 405', 'Do not use', 'LD 405', 'LD405 Switch', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control LED], [Next Optical Device])
    VALUES ('HeNe2', 'Do not use', 'HeNe 633', 'HeNe2 Switch', 'REG100', 'F/HT1');

INSERT INTO [Available Servos Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 1', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 1', 0.0);
INSERT INTO [Available Servos Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 2', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 2', 0.0);
INSERT INTO [Available Servos Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 3', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 3', 0.0);
INSERT INTO [Available Servos Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 4', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 4', 0.0);
INSERT INTO [Available Servos Kestro] ([ID Available], [Status], [ID Potential], [Control], [Control FirmwareOffset], [Default Value])
    VALUES ('ATT Servo 5', 'Do not use', 'Servo Attenuator', 'CANI', 'Attenuator Offset 5', 0.0);

INSERT INTO [Calibration Servos Kestro] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 1', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos Kestro] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 2', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos Kestro] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 3', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos Kestro] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 4', 0.0, 1.0, 0.0, 4095.0);
INSERT INTO [Calibration Servos Kestro] ([ID Available], [Offset], [Factor], [Minimum Value], [Maximum Value])
    VALUES ('ATT Servo 5', 0.0, 1.0, 0.0, 4095.0);

-- Fading attenuator.
INSERT INTO [Available DACs Fading] ([ID Available], [Status], [ID Potential], [Control Voltage], [Channel No])
    VALUES ('DAC413', 'Do not use', 'DAC 12 Bit', 'CANI', 3);

INSERT INTO [Calibration DACs Fading] ([ID Available], [Offset], [Factor])
    VALUES ('DAC413', 0.0, 1.0);

-- Shutter filter sets.
INSERT INTO [Available FilterSets Shutter] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('AF1', 'Do not use', 'Shutter Filter', 'None', 'CANI', 'F/HT1', 'motorized');
INSERT INTO [Available FilterSets Shutter] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('AF2', 'Do not use', 'Shutter Filter', 'None', 'CANI', 'F/HT1', 'motorized');

INSERT INTO [Available FilterPlacement Shutter] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('AF1', 1, 'Shutter Open', 0, 1);
INSERT INTO [Available FilterPlacement Shutter] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('AF1', 2, 'Shutter Closed', 0, 2);
INSERT INTO [Available FilterPlacement Shutter] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('AF2', 1, 'Shutter Open', 0, 1);
INSERT INTO [Available FilterPlacement Shutter] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('AF2', 2, 'Shutter Closed', 0, 2);

INSERT INTO [Potential Filters Shutter] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Shutter Open', '46 17 80-9981', 'AF', 'AF', 1.0, ' ', 'Quentara', 'Open shutter position', 0);
INSERT INTO [Potential Filters Shutter] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Shutter Closed', '46 17 80-9982', 'AF', 'AF', 0.0, ' ', 'Quentara', 'Closed shutter position', 0);

-- ZLift calibration defaults.
INSERT INTO [Calibration ZLift Conf] ([ID Available], [Offset], [Factor], [Range um])
    VALUES ('ZLift', 0.0, 1.0, 200.0);
INSERT INTO [Calibration ZLift Conf] ([ID Available], [Offset], [Factor], [Range um])
    VALUES ('Piezo', 0.0, 1.0, 100.0);
