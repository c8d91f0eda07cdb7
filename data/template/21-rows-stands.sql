-- Stand recipes. Choosing a stand runs the instructions of Configuration Microscope in
-- table order: single-value rows write one field, rows with a Record Table copy that stand's
-- template rows into the installation table (Copy empties the table first, except the five
-- focus offset rows).

-- Stands offered in the stand list. "Plan" and "Erecta" come with two reflector turrets each.
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Inverta M2', 'InvertaM2', 'Reflector 5 Pos', 'Inverted stand');
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Orvane AIE', 'OrvaneAIE', 'Reflector 6 Pos', 'Upright stand');
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Plan A', 'Plan', 'Reflector 5 Pos', 'Upright stand');
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Plan B', 'Plan', 'Reflector 6 Pos', 'Upright stand');
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Erecta C', 'Erecta', 'Reflector 5 Pos', 'Upright stand');
INSERT INTO [Available Microscopes] ([Microscope], [ID Stand], [ID Potential FW1], [Summary])
    VALUES ('Erecta D', 'Erecta', 'Reflector 6 Pos', 'Upright stand');

-- Instructions per stand; "All" rows run for every stand.
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('All', 'Available Interfaces', NULL, NULL, NULL, NULL, 'Microscope Interfaces', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('All', 'Available Firmware Parameters', 'ID Available', 'Parfocal Enable Flag', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Systems', 'ID Available', '', 'ID Stand', 'InvertaM2', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Servos', 'ID Available', 'LFB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Inverta M2', 'Available Servos', 'ID Available', 'KAB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Systems', 'ID Available', '', 'ID Stand', 'OrvaneAIE', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Servos', 'ID Available', 'LFB1', 'Status', 'Do not use', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Orvane AIE', 'Available Servos', 'ID Available', 'KAB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Systems', 'ID Available', '', 'ID Stand', 'Plan', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Servos', 'ID Available', 'LFB1', 'Status', 'Do not use', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan A', 'Available Servos', 'ID Available', 'KAB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Systems', 'ID Available', '', 'ID Stand', 'Plan', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Servos', 'ID Available', 'LFB1', 'Status', 'Do not use', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Plan B', 'Available Servos', 'ID Available', 'KAB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Systems', 'ID Available', '', 'ID Stand', 'Erecta', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Servos', 'ID Available', 'LFB1', 'Status', 'Do not use', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta C', 'Available Servos', 'ID Available', 'KAB1', 'Status', ' ', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Systems', 'ID Available', '', 'ID Stand', 'Erecta', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Revolvers', NULL, NULL, NULL, NULL, 'Microscope Revolvers', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Focus Control', NULL, NULL, NULL, NULL, 'Microscope Focus Control', 1);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Lamps', NULL, NULL, NULL, NULL, 'Microscope Lamps', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Filtersets', NULL, NULL, NULL, NULL, 'Microscope Filtersets', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Shutters', NULL, NULL, NULL, NULL, 'Microscope Shutters', 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Servos', 'ID Available', 'LFB1', 'Status', 'Do not use', NULL, 0);
INSERT INTO [Configuration Microscope] ([Id Object], [Table], [Row], [Key], [ValueRow], [Value], [Record Table], [Copy])
    VALUES ('Erecta D', 'Available Servos', 'ID Available', 'KAB1', 'Status', 'Do not use', NULL, 0);

-- Interface rows per stand.
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Inverta M2', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Inverta M2');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Inverta M2', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Orvane AIE', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Orvane AIE');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Orvane AIE', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Plan A', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Plan A');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Plan A', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Plan B', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Plan B');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Plan B', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Erecta C', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Erecta C');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Erecta C', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Erecta D', 'CANH', ' ', 'CanBusMk1', 'COM1', '0x20', 'Stand node Erecta D');
INSERT INTO [Microscope Interfaces] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Address], [Summary])
    VALUES ('Erecta D', 'CANO', 'Do not use', 'CanBusMk1', 'COM1', '0x30', 'Stand node O');

-- The revolver of each stand.
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Inverta M2', 'OBJREV', ' ', 'Nosepiece 6 Pos Cod', 'CANH', 6);
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Orvane AIE', 'OBJREV', ' ', 'Nosepiece 7 Pos Mot', 'CANH', 7);
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Plan A', 'OBJREV', ' ', 'Nosepiece 5 Pos', 'CANH', 5);
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Plan B', 'OBJREV', ' ', 'Nosepiece 6 Pos Cod', 'CANH', 6);
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Erecta C', 'OBJREV', ' ', 'Nosepiece 5 Pos', 'CANH', 5);
INSERT INTO [Microscope Revolvers] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('Erecta D', 'OBJREV', ' ', 'Nosepiece 6 Pos Cod', 'CANH', 6);

-- The focus drive of each stand.
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Inverta M2', 'Focus', ' ', 'Focus Inverta', 'CANH', 0.05, 0.0);
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Orvane AIE', 'Focus', ' ', 'Focus Erecta', 'CANH', 0.025, 0.0);
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Plan A', 'Focus', ' ', 'Focus Erecta', 'CANH', 0.025, 0.0);
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Plan B', 'Focus', ' ', 'Focus Erecta', 'CANH', 0.025, 0.0);
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Erecta C', 'Focus', ' ', 'Focus Erecta', 'CANH', 0.025, 0.0);
INSERT INTO [Microscope Focus Control] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Erecta D', 'Focus', ' ', 'Focus Erecta', 'CANH', 0.025, 0.0);

-- Lamps of each stand.
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Inverta M2', 'HAL', ' ', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Inverta M2', 'HBO', ' ', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Inverta M2', 'HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Orvane AIE', 'HAL', ' ', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Orvane AIE', 'HBO', 'Do not use', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Orvane AIE', 'HAL Refl', ' ', 'Halogen Refl 100W', 'CANH', 1, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan A', 'HAL', ' ', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan A', 'HBO', ' ', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan A', 'HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan B', 'HAL', ' ', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan B', 'HBO', ' ', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Plan B', 'HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta C', 'HAL', ' ', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta C', 'HBO', ' ', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta C', 'HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta D', 'HAL', 'Do not use', 'Halogen 100W', 'CANH', 0, 1000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta D', 'HBO', 'Do not use', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Microscope Lamps] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('Erecta D', 'HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);

-- Turrets and wheels of each stand; the Orvane AIE has a virtual transmitted-light wheel.
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'FW1', ' ', 'Reflector 5 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'FW2', ' ', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'Tubelens', ' ', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'Baseport turret', ' ', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Inverta M2', 'Sideport turret', ' ', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'FW1', ' ', 'Reflector 6 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'FW2', ' ', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'Tubelens', 'Do not use', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'Baseport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'Sideport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Orvane AIE', 'FWVirtual', ' ', 'Virtual Wheel', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'FW1', ' ', 'Reflector 5 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'FW2', ' ', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'Tubelens', 'Do not use', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'Baseport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan A', 'Sideport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'FW1', ' ', 'Reflector 6 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'FW2', ' ', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'Tubelens', 'Do not use', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'Baseport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Plan B', 'Sideport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'FW1', ' ', 'Reflector 5 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'FW2', ' ', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'Tubelens', 'Do not use', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'Baseport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta C', 'Sideport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'FW1', ' ', 'Reflector 6 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'FW2', 'Do not use', 'Condensor 7 Pos', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'FW3', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'FW4', ' ', 'Filter Wheel 6', 'CANH', 'coded');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'Tubelens', 'Do not use', 'Tubelens Changer', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'Baseport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');
INSERT INTO [Microscope Filtersets] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control Position], [Motorization])
    VALUES ('Erecta D', 'Sideport turret', 'Do not use', 'Port Turret', 'CANH', 'motorized');

-- Shutters and mirrors of each stand.
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Inverta M2', 'Transmission Mirror', ' ', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Inverta M2', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Inverta M2', 'Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Orvane AIE', 'Transmission Mirror', 'Do not use', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Orvane AIE', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Orvane AIE', 'Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan A', 'Transmission Mirror', 'Do not use', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan A', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan A', 'Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan B', 'Transmission Mirror', 'Do not use', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan B', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Plan B', 'Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta C', 'Transmission Mirror', 'Do not use', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta C', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta C', 'Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta D', 'Transmission Mirror', 'Do not use', 'Mirror', 'CANH', 'Transmission Mirror');
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta D', 'Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL);
INSERT INTO [Microscope Shutters] ([Id Microscope], [ID Available], [Status], [ID Potential], [Control], [Control Position])
    VALUES ('Erecta D', 'Kondensor Frontlinse', 'Do not use', 'Front Lens', 'CANH', NULL);

-- Reflector turret and condenser preselected for each stand.
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Inverta M2', 'Reflector 5 Pos motorized', 'Condensor 7 Pos motorized');
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Orvane AIE', 'Reflector 6 Pos coded', 'Condensor 7 Pos motorized');
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Plan A', 'Reflector 5 Pos motorized', 'Condensor 7 Pos motorized');
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Plan B', 'Reflector 6 Pos coded', 'Condensor 7 Pos motorized');
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Erecta C', 'Reflector 5 Pos motorized', 'Condensor 7 Pos motorized');
INSERT INTO [Default Reflector Condensor] ([ID Microscope], [Id Reflector], [Id Condensor])
    VALUES ('Erecta D', 'Reflector 6 Pos coded', 'None');

-- Image orientation per stand and port.
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Inverta M2', 0, 0, 1, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Inverta M2', 1, 1, 0, 1);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Orvane AIE', 0, 0, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Orvane AIE', 1, 1, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Plan A', 0, 0, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Plan A', 1, 1, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Plan B', 0, 0, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Plan B', 1, 1, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Erecta C', 0, 0, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Erecta C', 1, 1, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Erecta D', 0, 0, 0, 0);
INSERT INTO [Image Flip] ([Microscope], [Sideport], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Erecta D', 1, 1, 0, 0);

-- Revolver types.
INSERT INTO [Available Nosepieces] ([Available Nosepiece], [ID Potential], [Positions])
    VALUES ('5 Positions', 'Nosepiece 5 Pos', 5);
INSERT INTO [Available Nosepieces] ([Available Nosepiece], [ID Potential], [Positions])
    VALUES ('6 Positions coded', 'Nosepiece 6 Pos Cod', 6);
INSERT INTO [Available Nosepieces] ([Available Nosepiece], [ID Potential], [Positions])
    VALUES ('7 Positions motorized', 'Nosepiece 7 Pos Mot', 7);

-- Revolver template row per type, copied over the installation's OBJREV row.
INSERT INTO [Available Revolvers] ([ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('OBJREV', ' ', 'Nosepiece 5 Pos', 'CANH', 5);
INSERT INTO [Available Revolvers] ([ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('OBJREV', ' ', 'Nosepiece 6 Pos Cod', 'CANH', 6);
INSERT INTO [Available Revolvers] ([ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('OBJREV', ' ', 'Nosepiece 7 Pos Mot', 'CANH', 7);

-- The first row is the template of a new, empty revolver position.
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Empty position', ' ', 'Empty position', 1, 0.0, 0.0, 0.0, 0.0);

-- Reflector turrets offered on the microscope page.
INSERT INTO [Available Reflectors] ([Available Reflector], [ID Potential], [Positions], [Motorization])
    VALUES ('None', 'None', 0, 'manual');
INSERT INTO [Available Reflectors] ([Available Reflector], [ID Potential], [Positions], [Motorization])
    VALUES ('Reflector 5 Pos motorized', 'Reflector 5 Pos', 5, 'motorized');
INSERT INTO [Available Reflectors] ([Available Reflector], [ID Potential], [Positions], [Motorization])
    VALUES ('Reflector 5 Pos coded', 'Reflector 5 Pos', 5, 'coded');
INSERT INTO [Available Reflectors] ([Available Reflector], [ID Potential], [Positions], [Motorization])
    VALUES ('Reflector 6 Pos coded', 'Reflector 6 Pos', 6, 'coded');

-- Condensers: the three status values go to FW2, "Kondensor Frontlinse" and KAB1.
INSERT INTO [Available Condensors] ([Available Condensor], [ID Potential], [Positions], [Revolver], [Frontlens], [Aperture])
    VALUES ('None', 'None', 0, 'Do not use', 'Do not use', 'Do not use');
INSERT INTO [Available Condensors] ([Available Condensor], [ID Potential], [Positions], [Revolver], [Frontlens], [Aperture])
    VALUES ('Condensor 7 Pos motorized', 'Condensor 7 Pos', 7, ' ', ' ', ' ');
INSERT INTO [Available Condensors] ([Available Condensor], [ID Potential], [Positions], [Revolver], [Frontlens], [Aperture])
    VALUES ('Condensor 5 Pos', 'Condensor 5 Pos', 5, ' ', ' ', 'Do not use');
INSERT INTO [Available Condensors] ([Available Condensor], [ID Potential], [Positions], [Revolver], [Frontlens], [Aperture])
    VALUES ('Front lens only', 'None', 0, 'Do not use', ' ', 'Do not use');

-- Filter positions of every wheel a stand or head may bring; added to an installation where missing.
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 2, 'DAPI Set', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 3, 'FITC Set', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 4, 'Rhodamine Set', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 5, 'None', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW1', 6, 'None', 1, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 1, 'Bright Field', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 2, 'Ph1', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 3, 'Ph2', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 4, 'Ph3', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 5, 'DIC I', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 6, 'DIC II', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW2', 7, 'None', 0, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 2, 'ND 0.5', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 3, 'ND 1.0', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 4, 'Green', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 5, 'Blue', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW3', 6, 'None', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 2, 'ND 2.0', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 3, 'Diffusor', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 5, 'None', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FW4', 6, 'None', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 2, 'ND 0.5', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 3, 'ND 1.0', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 4, 'Green', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 5, 'Blue', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 6, 'None', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Tubelens', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Tubelens', 2, 'None', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Tubelens', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Sideport turret', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Sideport turret', 2, 'SP', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('Sideport turret', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT1', 1, 'NDD LP680', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT1', 2, 'NDD LP560', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT1', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT2', 1, 'NDD LP680', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT2', 2, 'NDD LP560', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_NT2', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF5', 1, 'NDD BP 500-550', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF5', 2, 'NDD LP 575', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF5', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF6', 1, 'NDD BP 500-550', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF6', 2, 'NDD LP 575', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF6', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF7', 1, 'NDD BP 500-550', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF7', 2, 'NDD LP 575', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF7', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF8', 1, 'NDD BP 500-550', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF8', 2, 'NDD LP 575', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NDD_EF8', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF1', 6, 'None', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 6, 'None', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 1, 'Plate', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 2, 'Mirror', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 1, 'HFT 488', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 2, 'HFT 488/543/633', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 1, 'NFT 545', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 2, 'NFT 635 VIS', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 4, 'None', 0, 4);
