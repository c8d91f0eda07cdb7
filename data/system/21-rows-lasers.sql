-- Laser module of the demo installation: the argon and HeNe lasers and the Mai Tai near-infrared
-- laser in use, the UV lasers and the other near-infrared models present but switched off, with
-- their lines, attenuator channels and drivers, as the editor leaves them.

-- One row per laser the module can carry; the argon-type rows keep their special value.
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Argon', ' ', 'Argon 25mW', 'None', 4.5, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Argon/2', 'Do not use', 'Argon 30mW', 'None', 5.0, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Ar/Kr', 'Do not use', 'ArKr', 'None', 3.0, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('HeNe1', ' ', 'HeNe 543', 'None', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('HeNe2', ' ', 'HeNe 633', 'HeNe2 Switch', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Laser Diode 405', 'Do not use', 'LD 405', 'LD405 Switch', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Enterprise', 'Do not use', 'Enterprise', 'COM2', NULL, '2.10', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Krypton 413', 'Do not use', 'Krypton 413', 'COM3', NULL, '1.02', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Titanium:Sapphire', 'Do not use', 'Titanium:Sapphire', 'None', NULL, NULL, 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Mai Tai', ' ', 'Mai Tai', 'COM2', NULL, '1.07', 'REG100', 'F/HT1');
INSERT INTO [Available Lasers] ([ID Available], [Status], [ID Potential], [Control], [Special Value], [Version], [Control LED], [Next Optical Device])
    VALUES ('Chameleon', 'Do not use', 'Chameleon', 'COM4', NULL, '3.4', 'REG100', 'F/HT1');

-- Laser lines. ID Laser names the laser; the near-infrared lasers have one tunable line each.
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

-- Attenuator channels: the visible lines 458 to 633 own channels 1 to 5 of the AOTF, the
-- near-infrared line channel 6 of its AOM; the UV lines are switched off and own none.
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (351, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (364, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (405, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (413, 0, 'Do not use', 1, 'AOTF UV', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (458, 1, ' ', 0, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (477, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (488, 2, ' ', 0, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (514, 3, ' ', 0, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (543, 4, ' ', 0, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (568, 0, 'Do not use', 1, 'AOTF 4 PR', NULL, 0);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (633, 5, ' ', 0, 'AOTF 4 PR', NULL, 1);
INSERT INTO [Available Attenuator Channels] ([Wavelength], [Channel No], [Status], [Not Include], [ID Available AOM], [Calibration Wavelength], [FCS])
    VALUES (800, 6, ' ', 0, 'AOM NLO', 800, 0);

-- Standard calibration coefficients, one row per line.
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

-- Modulators: the visible AOTF, the UV AOTF, the near-infrared AOM and the attenuator of the
-- entry-level head. Control names the driver.
INSERT INTO [Available AOMs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('AOTF 4 PR', ' ', 'AOTF 4 PR', 'AOTF Driver');
INSERT INTO [Available AOMs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('AOTF UV', 'Do not use', 'AOTF UV', 'AOTF Driver');
INSERT INTO [Available AOMs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('AOM NLO', ' ', 'AOM NLO', 'NLO AOM Driver');
INSERT INTO [Available AOMs] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('Kestro Attenuator', 'Do not use', 'Kestro Attenuator4', 'None');

-- Drivers of the modulators with the serial port they hang on. The near-infrared laser leaves
-- the visible AOTF five lines.
INSERT INTO [Available AOM Drivers] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('AOTF Driver', ' ', 'AA.MOD.5C', 'COM2', 'Visible AOTF driver');
INSERT INTO [Available AOM Drivers] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('NLO AOM Driver', ' ', 'AA.AOM.NLO', 'COM5', 'Near-infrared AOM driver');

-- Driver calibration: frequency range of each driver.
INSERT INTO [Calibration AOM Drivers] ([ID Available], [Lower Wavelength], [Upper Wavelength], [Minimum Frequency], [Maximum Frequency])
    VALUES ('AOTF Driver', 450, 700, 70.0, 120.0);
INSERT INTO [Calibration AOM Drivers] ([ID Available], [Lower Wavelength], [Upper Wavelength], [Minimum Frequency], [Maximum Frequency])
    VALUES ('NLO AOM Driver', 690, 1064, 85.0, 135.0);

-- AOTF lines, one per channel; the near-infrared laser tunes the line of channel 6.
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (1, 1, 'fixed', 'AOTF 4 PR');
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (2, 2, 'fixed', 'AOTF 4 PR');
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (3, 3, 'fixed', 'AOTF 4 PR');
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (4, 4, 'fixed', 'AOTF 4 PR');
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (5, 5, 'fixed', 'AOTF 4 PR');
INSERT INTO [Available AOTF Lines] ([Channel], [Line], [Kind of Wavelength Change], [ID Available AOM])
    VALUES (6, 1, 'tunable', 'AOM NLO');

-- Attenuation servos per channel, used by the entry-level head only.
INSERT INTO [Available Channel Controls] ([Channel No], [Status], [Control Attenuation])
    VALUES (1, 'Do not use', 'ATT Servo 1');
INSERT INTO [Available Channel Controls] ([Channel No], [Status], [Control Attenuation])
    VALUES (2, 'Do not use', 'ATT Servo 2');
INSERT INTO [Available Channel Controls] ([Channel No], [Status], [Control Attenuation])
    VALUES (3, 'Do not use', 'ATT Servo 3');
INSERT INTO [Available Channel Controls] ([Channel No], [Status], [Control Attenuation])
    VALUES (4, 'Do not use', 'ATT Servo 4');
INSERT INTO [Available Channel Controls] ([Channel No], [Status], [Control Attenuation])
    VALUES (5, 'Do not use', 'ATT Servo 5');

-- Status signals of the argon laser module.
INSERT INTO [Available Status Signals] ([ID Available], [Status], [ID Potential], [Control], [Characteristic])
    VALUES ('Laser Ready 1', ' ', 'Status Input', 'REG140', 'Argon');
INSERT INTO [Available Status Signals] ([ID Available], [Status], [ID Potential], [Control], [Characteristic])
    VALUES ('Laser Power 1', ' ', 'Status Input', 'REG141', 'Argon');
INSERT INTO [Available Status Signals] ([ID Available], [Status], [ID Potential], [Control], [Characteristic])
    VALUES ('Laser Ready 2', ' ', 'Status Input', 'REG142', 'HeNe');

-- Power switches of the 405 diode and the red HeNe, the main shutters with the collimator behind
-- them, and their servos.
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('LD405 Switch', 'Do not use', 'Laser Switch', 'REG150', 'Servo LD405', 'undefined', NULL, 0);
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('HeNe2 Switch', ' ', 'Laser Switch', 'REG151', 'Servo HeNe2', 'open', NULL, 0);
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('MainShutter1', ' ', 'Shutter Switch', 'REG152', NULL, 'closed', 'C/"IR/Vis"', 0);
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('MainShutter2', ' ', 'Shutter Switch', 'REG153', NULL, 'closed', 'C/"NIR"', 0);
-- The FCS head's mirror switches, with servos of the same names; the third output is in use.
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('FCS_AMIR', ' ', 'Mirror Switch FCS', 'CANO', 'FCS_AMIR', 'undefined', ' ', 0);
INSERT INTO [Available Switches] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Initial Position], [Next Optical Device], [Close])
    VALUES ('FCS_BMIR', 'Do not use', 'Mirror Switch FCS', 'CANO', 'FCS_BMIR', 'undefined', ' ', 0);

-- Fading attenuator DAC, switched by the dampening box.
INSERT INTO [Available DACs] ([ID Available], [Status], [ID Potential], [Control Voltage], [Channel No])
    VALUES ('DAC413', 'Do not use', 'DAC 12 Bit', 'CANI', 3);

-- Wavelength calibration of the lasers.
INSERT INTO [Calibration Wavelength] ([ID Available], [Wavelength], [Offset], [Factor])
    VALUES ('Argon', 488, 0.0, 1.0);
INSERT INTO [Calibration Wavelength] ([ID Available], [Wavelength], [Offset], [Factor])
    VALUES ('HeNe1', 543, 0.0, 1.0);
INSERT INTO [Calibration Wavelength] ([ID Available], [Wavelength], [Offset], [Factor])
    VALUES ('HeNe2', 633, 0.0, 1.0);
