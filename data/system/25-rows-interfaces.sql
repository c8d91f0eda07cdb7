-- Interfaces of the demo installation: the serial ports of the host, the CAN nodes and
-- the SCSI adapter of the scan electronics.

-- Serial ports. COM1 carries the stand's CAN adapter; the AOTF driver and the Mai Tai laser
-- share COM2, so that a port choice shows the conflict warnings; COM5 drives the near-infrared
-- AOM driver, COM3 and COM4 belong to devices that are switched off.
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('COM1', ' ', 'SerialPort', NULL, '0x3F8', 19200, 8, 'None', 1, 'None', 1000, 'CAN bus adapter');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('COM2', ' ', 'SerialPort', NULL, '0x2F8', 9600, 8, 'None', 1, 'XonXoff', 1000, 'Mai Tai port');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('COM3', 'Do not use', 'SerialPort', NULL, '0x3E8', 9600, 8, 'None', 1, 'None', 1000, NULL);
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('COM4', 'Do not use', 'SerialPort', NULL, '0x2E8', 9600, 8, 'None', 1, 'None', 1000, NULL);
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Baud Rate], [Data Bits], [Parity], [Stop Bits], [Handshake], [Timeout ms], [Summary])
    VALUES ('COM5', ' ', 'SerialPort', NULL, '0x3E0', 9600, 8, 'None', 1, 'None', 1000, 'AOM port');

-- CAN nodes. Control names the serial port of the CAN adapter; Version is the node's firmware.
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANI', ' ', 'CanBusMk1', 'COM1', '0x10', '3.12', 'Scan head node');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANH', ' ', 'CanBusMk1', 'COM1', '0x20', '2.05', 'Stand node');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANA', ' ', 'CanBusMk1', 'COM1', '0x21', '1.30', 'Mercury lamp supply');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANS', ' ', 'CanBusMk1', 'COM1', '0x22', '1.11', 'Stage controller');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', '1.00', 'Stand node O');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANK', 'Do not use', 'CanBusMk1', 'COM1', '0x41', '1.00', 'NDD channel 1 node');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANL', 'Do not use', 'CanBusMk1', 'COM1', '0x42', '1.00', 'NDD channel 2 node');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANM', 'Do not use', 'CanBusMk1', 'COM1', '0x43', '1.00', 'NDD channel 3 node');
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Version], [Summary])
    VALUES ('CANB', 'Do not use', 'CanBusMk1', 'COM1', '0x44', '1.00', 'NDD channel 4 node');

-- SCSI adapter of the scan electronics; the id is the character before the last one of Address.
INSERT INTO [Available Interfaces] ([ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('HCS1', ' ', 'SCSI Adapter', NULL, '0:5:0', 'Scan electronics host adapter');

-- Firmware parameters: the parfocal correction and the revolver values for six and seven positions.
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Parfocal Enable Flag', ' ', 'Firmware Flag', 1.0, 2);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Parfocal Value 6', ' ', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Wheel Factor 6', ' ', 'Firmware Value', 1.0, 3);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Parfocal Sign 6', ' ', 'Firmware Value', 1.0, 1);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Parfocal Value 7', 'Do not use', 'Firmware Value', 0.0, 3);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Wheel Factor 7', 'Do not use', 'Firmware Value', 1.0, 3);
INSERT INTO [Available Firmware Parameters] ([ID Available], [Status], [ID Potential], [Value], [Digits])
    VALUES ('Parfocal Sign 7', 'Do not use', 'Firmware Value', 1.0, 1);
