-- Default rows merged into installations that lack them, and the serial settings per
-- device kind.

-- Every laser the module can carry.
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Argon', 'Do not use', 'Argon 25mW', 'None', 4.5, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Argon/2', 'Do not use', 'Argon 30mW', 'None', 5.0, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Ar/Kr', 'Do not use', 'ArKr', 'None', 3.0, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('HeNe1', 'Do not use', 'HeNe 543', 'None', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('HeNe2', 'Do not use', 'HeNe 633', 'HeNe2 Switch', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Laser Diode 405', 'Do not use', 'LD 405', 'LD405 Switch', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Enterprise', 'Do not use', 'Enterprise', 'COM3', NULL, '2.10', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Krypton 413', 'Do not use', 'Krypton 413', 'COM3', NULL, '1.02', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Titanium:Sapphire', 'Do not use', 'Titanium:Sapphire', 'None', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Mai Tai', 'Do not use', 'Mai Tai', 'COM4', NULL, '1.07', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Chameleon', 'Do not use', 'Chameleon', 'COM4', NULL, '3.4', 'REG100', 'F/HT1');

INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon 458', 'Argon', 458, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon 488', 'Argon', 488, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon 514', 'Argon', 514, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon/2 458', 'Argon/2', 458, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon/2 477', 'Argon/2', 477, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon/2 488', 'Argon/2', 488, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Argon/2 514', 'Argon/2', 514, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Ar/Kr 488', 'Ar/Kr', 488, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Ar/Kr 568', 'Ar/Kr', 568, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('HeNe1 543', 'HeNe1', 543, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('HeNe2 633', 'HeNe2', 633, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Laser Diode 405', 'Laser Diode 405', 405, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Enterprise 351', 'Enterprise', 351, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Enterprise 364', 'Enterprise', 364, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Krypton 413', 'Krypton 413', 413, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Titanium:Sapphire', 'Titanium:Sapphire', 800, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Mai Tai', 'Mai Tai', 800, ' ');
INSERT INTO [Available Laser Wavelength] ([ID Available], [ID Laser], [Wavelength], [Status])
    VALUES ('Chameleon', 'Chameleon', 800, ' ');

-- Every laser line with no channel assigned yet.
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (351, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (364, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (405, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (413, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (458, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (477, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (488, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (514, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (543, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (568, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (633, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (800, 0, 'Do not use', 1, 'AOM NLO', 800, 0);

INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (351, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (364, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (405, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (413, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (458, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (477, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (488, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (514, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (543, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (568, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (633, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Calibration Attenuator Channels] ([Wavelength], [a0], [a1], [a2], [a3], [a4], [a5], [a6], [a7], [a8], [a9], [a10], [b0], [b1], [b2], [b3], [b4], [b5], [b6], [b7], [b8], [b9], [b10])
    VALUES (800, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- The visible AOTF driver and the near-infrared AOM driver.
INSERT INTO [Available AOM Drivers] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('AOTF Driver', 'Do not use', 'AA.MOD.6C', 'COM2', 'Visible AOTF driver');
INSERT INTO [Available AOM Drivers] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('NLO AOM Driver', 'Do not use', 'AA.AOM.NLO', 'COM5', 'Near-infrared AOM driver');

INSERT INTO [Calibration AOM Drivers] ([ID Available], [Lower Wavelength], [Upper Wavelength], [Minimum Frequency], [Maximum Frequency])
    VALUES ('AOTF Driver', 450, 700, 70.0, 120.0);
INSERT INTO [Calibration AOM Drivers] ([ID Available], [Lower Wavelength], [Upper Wavelength], [Minimum Frequency], [Maximum Frequency])
    VALUES ('NLO AOM Driver', 690, 1064, 85.0, 135.0);

-- The camera row.
INSERT INTO [Available Cameras] ([ID Available], [Status], [ID Potential], [Control Dll], [Port], [Adapter Magnification], [Summary])
    VALUES ('Kamova', 'Do not use', 'Kamova Kc 2.0', 'KamovaCam.dll', 'FRONT', 1.0, 'Kamova camera');

-- Fine Z drives.
INSERT INTO [Available ZLift] ([ID Available], [Status], [ID Potential], [Control], [Revolver Position])
    VALUES ('ZLift', 'Do not use', 'HRZ 200', 'CANH', -1);
INSERT INTO [Available ZLift] ([ID Available], [Status], [ID Potential], [Control], [Revolver Position])
    VALUES ('Piezo', 'Do not use', 'Piezo Objective', 'COM5', 1);

-- Stages.
INSERT INTO [Available Stages] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('Stage', 'Do not use', 'StageTabor', 'CANS');
INSERT INTO [Available Stages] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('StageP', 'Do not use', 'Piezo XY', 'COM5');

INSERT INTO [Calibration Stages] ([ID Available], [Offset X], [Offset Y], [Factor X], [Factor Y])
    VALUES ('Stage', 0.0, 0.0, 1.0, 1.0);
INSERT INTO [Calibration Stages] ([ID Available], [Offset X], [Offset Y], [Factor X], [Factor Y])
    VALUES ('StageP', 0.0, 0.0, 1.0, 1.0);

-- A filter of a newer catalogue than the demo installation's.
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT 405/488/561', '46 17 80-9946', 'HFT', 'HFT', 0.9, ' ', 'Quentara', 'Main beam splitter 405/488/561', 0);

-- Serial settings a port takes when a device of that kind is put on it.
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('CAN', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 19200, 8, 'None', 1, 'None', 1000, 'CAN port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('AOTF', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 9600, 8, 'None', 1, 'None', 1000, 'AOTF port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('AOM', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 9600, 8, 'None', 1, 'None', 1000, 'AOM port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('Enterprise', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 4800, 8, 'None', 1, 'None', 1000, 'Enterprise port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('Krypton 413', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 9600, 8, 'None', 1, 'None', 1000, 'Krypton 413 port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('Mai Tai', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 9600, 8, 'None', 1, 'XonXoff', 1000, 'Mai Tai port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('Chameleon', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 19200, 8, 'None', 1, 'None', 1000, 'Chameleon port');
INSERT INTO [Available Interfaces COM] ([ID Device], [ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('StageP', NULL, ' ', 'SerialPort', NULL, NULL, NULL, 38400, 8, 'None', 1, 'RtsCts', 1000, 'StageP port');
