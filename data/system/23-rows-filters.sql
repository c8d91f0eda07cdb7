-- Filter wheels of the demo installation with what sits in each position. The scan head
-- wheels hang on CAN node CANI, the stand's wheels on CANH, the NDD holders on the NDD nodes.

-- Wheels, turrets and filter sets. AF1/AF2 are the shutter filter sets, out of the light path.
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF1', ' ', 'Filter Wheel 8', 'None', 'CANI', 'D/Pmt1', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF2', ' ', 'Filter Wheel 8', 'None', 'CANI', 'D/Pmt2', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF3', ' ', 'Filter Wheel 8', 'None', 'CANI', 'D/Pmt3', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF4', ' ', 'Filter Wheel 8', 'None', 'CANI', 'D/Pmt4', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF5', ' ', 'Filter Wheel 4', 'None', 'CANI', 'D/PmtM', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('EF6', 'Do not use', 'Filter Wheel 4', 'None', 'CANI', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('HT1', ' ', 'Beam Splitter Wheel 8', 'None', 'CANI', 'F/NT1', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NT1', ' ', 'Beam Splitter Wheel 4', 'None', 'CANI', 'F/EF1', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FW1', ' ', 'Reflector 5 Pos', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FW2', ' ', 'Condensor 7 Pos', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FW3', ' ', 'Filter Wheel 6', 'None', 'CANH', ' ', 'coded');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FW4', ' ', 'Filter Wheel 6', 'None', 'CANH', ' ', 'coded');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('Tubelens', ' ', 'Tubelens Changer', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('Baseport turret', ' ', 'Port Turret', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('Sideport turret', ' ', 'Port Turret', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('Transmission Mirror', ' ', 'Mirror', 'None', 'CANH', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('AF1', 'Do not use', 'Shutter Filter', 'None', 'CANI', 'F/HT1', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('AF2', 'Do not use', 'Shutter Filter', 'None', 'CANI', 'F/HT1', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_NT1', 'Do not use', 'NDD Splitter', 'None', 'CANL', 'D/NDD_Pmt6', 'manual');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_NT2', 'Do not use', 'NDD Splitter', 'None', 'CANK', 'D/PmtD', 'manual');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_EF5', 'Do not use', 'NDD Filter Holder', 'None', 'CANK', 'D/PmtD', 'manual');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_EF6', 'Do not use', 'NDD Filter Holder', 'None', 'CANL', 'D/NDD_Pmt6', 'manual');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_EF7', 'Do not use', 'NDD Filter Holder', 'None', 'CANM', 'D/NDD_Pmt7', 'manual');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('NDD_EF8', 'Do not use', 'NDD Filter Holder', 'None', 'CANB', 'D/NDD_Pmt8', 'manual');

-- Positions of each wheel. Positions marked Not Include lie beyond the wheel's current size.
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 6, 'KP 685', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 7, 'BP 420-480', 0, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF1', 8, 'LP 505', 0, 8);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 6, 'KP 685', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 7, 'BP 420-480', 0, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF2', 8, 'LP 505', 0, 8);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 6, 'KP 685', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 7, 'BP 420-480', 0, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF3', 8, 'LP 505', 0, 8);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 2, 'BP 505-530', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 3, 'LP 560', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 4, 'BP 560-615', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 5, 'LP 650', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 6, 'KP 685', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 7, 'BP 420-480', 0, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF4', 8, 'LP 505', 0, 8);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF5', 1, 'Plate', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF5', 2, 'Mirror', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF5', 3, 'Ph.Bl.', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF5', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF6', 1, 'Plate', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF6', 2, 'None', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF6', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('EF6', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 1, 'HFT 488', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 2, 'HFT 458/514', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 3, 'HFT 488/543/633', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 4, 'HFT UV/488/543/633', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 5, 'Plate', 0, 5);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 6, 'Mirror', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 7, 'None', 1, 7);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('HT1', 8, 'None', 1, 8);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NT1', 1, 'NFT 545', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NT1', 2, 'NFT 635 VIS', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NT1', 3, 'Plate', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('NT1', 4, 'None', 0, 4);
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

-- The FCS head's wheels on its node CANO. Some wheels list fewer positions than they could hold:
-- their upper positions were left out and come back when the wheel is given more.
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF1', ' ', 'Filter Wheel 6', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF2', ' ', 'Filter Wheel 6', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_EF5', ' ', 'Filter Wheel 4', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_MBS1', ' ', 'Beam Splitter Wheel 4', 'None', 'CANO', ' ', 'motorized');
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FCS_DBS1', ' ', 'Beam Splitter Wheel 4', 'None', 'CANO', ' ', 'motorized');
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
    VALUES ('FCS_EF1', 6, 'KP 685', 0, 6);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 2, 'LP 505', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF2', 3, 'BP 420-480', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 1, 'Plate', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 2, 'Mirror', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 3, 'Ph.Bl.', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_EF5', 4, 'None', 0, 4);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 1, 'HFT 488', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 2, 'HFT 458/514', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_MBS1', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 1, 'NFT 545', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 2, 'NFT 635 VIS', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 3, 'None', 0, 3);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FCS_DBS1', 4, 'None', 0, 4);

-- Filters the engineer picked before, among them the user-defined long pass.
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('None', NULL);
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('BP 505-530', 'BP');
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('LP 560', 'LP');
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('HFT 488', 'HFT');
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('Lab ''LP 560''', 'LP');
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('NFT 545', 'NFT');
INSERT INTO [Favourite Filters] ([ID Potential], [Type])
    VALUES ('Plate', 'FW3');
