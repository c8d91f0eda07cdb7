-- Catalogue rows common to the template and to installations: every component that can
-- be fitted, keyed by ID Potential.

-- Driver types of the AOM/AOTF drivers with the number of lines each serves.
INSERT INTO [Potential AOM Drivers] ([ID Potential], [Kind], [Lines], [Summary])
    VALUES ('AA.MOD.4C', 'AOTF Driver', 4, 'Four visible lines');
INSERT INTO [Potential AOM Drivers] ([ID Potential], [Kind], [Lines], [Summary])
    VALUES ('AA.MOD.5C', 'AOTF Driver', 5, 'Five visible lines');
INSERT INTO [Potential AOM Drivers] ([ID Potential], [Kind], [Lines], [Summary])
    VALUES ('AA.MOD.6C', 'AOTF Driver', 6, 'Six visible lines');
INSERT INTO [Potential AOM Drivers] ([ID Potential], [Kind], [Lines], [Summary])
    VALUES ('AA.AOM.NLO', 'AOM Driver', 1, 'Near-infrared AOM');

-- Camera models of the Kamova family.
INSERT INTO [Potential Cameras] ([ID Potential], [Kind], [RGB], [Pixel Size X], [Pixel Size Y], [Binning Brightness], [CCD Size X], [CCD Size Y])
    VALUES ('Kamova Kc', 'Kc 1.4', 1, 6.45, 6.45, '1,2,4', 1388, 1040);
INSERT INTO [Potential Cameras] ([ID Potential], [Kind], [RGB], [Pixel Size X], [Pixel Size Y], [Binning Brightness], [CCD Size X], [CCD Size Y])
    VALUES ('Kamova Kc 2.0', 'Kc 2.0', 1, 4.4, 4.4, '1,2,4', 1624, 1236);
INSERT INTO [Potential Cameras] ([ID Potential], [Kind], [RGB], [Pixel Size X], [Pixel Size Y], [Binning Brightness], [CCD Size X], [CCD Size Y])
    VALUES ('Kamova Km', 'Km 1.4', 0, 6.45, 6.45, '1,2,4,8', 1388, 1040);
INSERT INTO [Potential Cameras] ([ID Potential], [Kind], [RGB], [Pixel Size X], [Pixel Size Y], [Binning Brightness], [CCD Size X], [CCD Size Y])
    VALUES ('Kamova Km 2.0', 'Km 2.0', 0, 4.4, 4.4, '1,2,4,8', 1624, 1236);

INSERT INTO [Potential DIOs] ([ID Potential], [Kind], [Bits], [Summary])
    VALUES ('DIO 8 Bit', 'DIO', 8, 'Digital in/out');

-- Filter holders: reflector turrets and condensers.
INSERT INTO [Potential FilterHolders] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Reflector 5 Pos', 'Reflector Turret', 5, NULL);
INSERT INTO [Potential FilterHolders] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Reflector 6 Pos', 'Reflector Turret', 6, NULL);
INSERT INTO [Potential FilterHolders] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Condensor 5 Pos', 'Condenser', 5, NULL);
INSERT INTO [Potential FilterHolders] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Condensor 7 Pos', 'Condenser', 7, NULL);

-- Filters. "None" stands for an empty position; the glass plate, the mirror and a few
-- stand filters have no series number.
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Empty position', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('BP 505-530', '46 17 80-9901', 'BP', 'BP', 505.0, 517.5, 530.0, 0.9, ' ', 'Quentara', 'Band pass green', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('BP 560-615', '46 17 80-9902', 'BP', 'BP', 560.0, 587.5, 615.0, 0.9, ' ', 'Quentara', 'Band pass orange', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('BP 420-480', '46 17 80-9903', 'BP', 'BP', 420.0, 450.0, 480.0, 0.9, ' ', 'Quentara', 'Band pass blue', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('LP 505', '46 17 80-9911', 'LP', 'LP', 505.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'Long pass 505', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('LP 560', '46 17 80-9912', 'LP', 'LP', 560.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'Long pass 560', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('LP 650', '46 17 80-9913', 'LP', 'LP', 650.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'Long pass 650', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('KP 685', '46 17 80-9921', 'KP', 'KP', 200.0, NULL, 685.0, 0.9, ' ', 'Quentara', 'Short pass 685', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Plate', NULL, 'FW3', 'FW3', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Glass plate', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Mirror', NULL, 'FW3', 'FW3', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Full mirror', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Ph.Bl.', '46 17 80-9931', 'FW3', 'FW3', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Photo blocker', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT 488', '46 17 80-9941', 'HFT', 'HFT', NULL, 488.0, NULL, 0.9, ' ', 'Quentara', 'Main beam splitter 488', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT 458/514', '46 17 80-9942', 'HFT', 'HFT', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Main beam splitter 458/514', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT 488/543/633', '46 17 80-9943', 'HFT', 'HFT', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Main beam splitter 488/543/633', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT UV/488/543/633', '46 17 80-9944', 'HFT UV', 'HFT UV', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Main beam splitter with UV', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('HFT KP 650', '46 17 80-9945', 'HFT KP', 'HFT KP', NULL, NULL, 650.0, 0.9, ' ', 'Quentara', 'Main beam splitter short pass 650', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NFT 545', '46 17 80-9951', 'NFT', 'NFT', NULL, 545.0, NULL, 0.9, ' ', 'Quentara', 'Secondary beam splitter 545', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NFT 635 VIS', '46 17 80-9952', 'NFT', 'NFT', NULL, 635.0, NULL, 0.9, ' ', 'Quentara', 'Secondary beam splitter 635', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('DAPI Set', '48 80 01', 'FW1', 'FW1', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Reflector module DAPI', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('FITC Set', '48 80 09', 'FW1', 'FW1', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Reflector module FITC', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Rhodamine Set', '48 80 15', 'FW1', 'FW1', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Reflector module rhodamine', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NDD LP680', '46 17 80-9961', 'FT', 'LP', 680.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'NDD beam splitter 680', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NDD LP560', '46 17 80-9962', 'FT', 'LP', 560.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'NDD beam splitter 560', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NDD BP 500-550', '46 17 80-9971', 'BP-NDD', 'BP', 500.0, 525.0, 550.0, 0.9, ' ', 'Quentara', 'NDD band pass', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('NDD LP 575', '46 17 80-9972', 'LP-NDD', 'LP', 575.0, NULL, 1000.0, 0.9, ' ', 'Quentara', 'NDD long pass', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Bright Field', NULL, 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Condenser bright field', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Ph1', '44 52 31', 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Phase ring 1', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Ph2', '44 52 32', 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Phase ring 2', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Ph3', '44 52 33', 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Phase ring 3', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('DIC I', '44 52 41', 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'DIC prism I', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('DIC II', '44 52 42', 'FW2', 'FW2', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'DIC prism II', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('ND 0.5', '46 78 05', 'NF', 'NF', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Neutral density 0.5', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('ND 1.0', '46 78 10', 'NF', 'NF', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Neutral density 1.0', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('ND 2.0', '46 78 20', 'NF', 'NF', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Neutral density 2.0', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Green', '46 78 31', 'NF', 'BP', NULL, 550.0, NULL, 0.9, ' ', 'Quentara', 'Green interference filter', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Blue', '46 78 32', 'NF', 'BP', NULL, 470.0, NULL, 0.9, ' ', 'Quentara', 'Blue conversion filter', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Diffusor', NULL, 'NF', 'NF', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Diffusing screen', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('SP', '45 42 01', 'SP', 'SP', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Side port mirror', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('50SPr/50VIS-BP', '45 42 02', 'SP', 'SP', NULL, NULL, NULL, 0.9, ' ', 'Quentara', '50% right side port / 50% visual and base port', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('50SPl/50VIS-BP', '45 42 03', 'SP', 'SP', NULL, NULL, NULL, 0.9, ' ', 'Quentara', '50% left side port / 50% visual and base port', 0);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Lens 1,6x', '45 29 16', 'Lens', 'Lens', NULL, NULL, NULL, 0.9, ' ', 'Quentara', 'Tube lens 1.6x', 0);

INSERT INTO [Potential Focus Controls] ([ID Potential], [Kind], [Step Size], [Summary])
    VALUES ('Focus Inverta', 'Focus Drive', 0.05, NULL);
INSERT INTO [Potential Focus Controls] ([ID Potential], [Kind], [Step Size], [Summary])
    VALUES ('Focus Erecta', 'Focus Drive', 0.025, NULL);

INSERT INTO [Potential Lamps] ([ID Potential], [Kind], [Power W], [Summary])
    VALUES ('Halogen 100W', 'Halogen', 100.0, NULL);
INSERT INTO [Potential Lamps] ([ID Potential], [Kind], [Power W], [Summary])
    VALUES ('Halogen Refl 100W', 'Halogen', 100.0, NULL);
INSERT INTO [Potential Lamps] ([ID Potential], [Kind], [Power W], [Summary])
    VALUES ('HBO 103', 'Mercury', 100.0, NULL);

-- Laser types; the tunable lasers give the range their line may lie in.
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Argon 25mW', 'Argon', 'Lasertec', 458, 514, 25.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Argon 30mW', 'Argon', 'Lasertec', 458, 514, 30.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('ArKr', 'Argon Krypton', 'Lasertec', 488, 568, 15.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('HeNe 543', 'HeNe', 'Lasertec', 543, 543, 1.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('HeNe 633', 'HeNe', 'Lasertec', 633, 633, 5.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('LD 405', 'Diode', 'Lasertec', 405, 405, 25.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Enterprise', 'Argon UV', 'Lasertec', 351, 364, 80.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Krypton 413', 'Krypton', 'Lasertec', 413, 413, 50.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Titanium:Sapphire', 'Titanium:Sapphire', 'Lasertec', 700, 1000, 1000.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Mai Tai', 'Titanium:Sapphire', 'Lasertec', 710, 990, 1500.0, NULL);
INSERT INTO [Potential Lasers] ([ID Potential], [Kind], [Producer], [Minimum Wavelength], [Maximum Wavelength], [Power mW], [Summary])
    VALUES ('Chameleon', 'Titanium:Sapphire', 'Lasertec', 680, 1080, 2500.0, NULL);

-- Objectives, including the placeholder for an empty revolver position.
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('Empty position', 'Empty position', NULL, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0, 0, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 03 30', 'Plan-Neo 10x/0.30', 'Quentara', 10.0, 0.3, 1.0, 0.0, 0.17, 5.2, 0, 1, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 06 40', 'Plan-Apo 20x/0.75', 'Quentara', 20.0, 0.75, 1.0, 0.15, 0.17, 0.61, 2, 1, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 17 67', 'C-Apo 40x/1.2 W', 'Quentara', 40.0, 1.2, 1.333, 0.14, 0.19, 0.28, 1, 1, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 07 62', 'Plan-Apo 63x/1.4 Oil', 'Quentara', 63.0, 1.4, 1.518, 0.17, 0.17, 0.19, 2, 1, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 04 80', 'Fluar 40x/1.3 Oil', 'Quentara', 40.0, 1.3, 1.518, 0.17, 0.17, 0.2, 1, 1, 0);
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('44 05 32', 'Plan-Neo 5x/0.15', 'Quentara', 5.0, 0.15, 1.0, 0.0, 0.17, 13.6, 0, 0, 0);

INSERT INTO [Potential Revolvers] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Nosepiece 5 Pos', 'Revolver', 5, NULL);
INSERT INTO [Potential Revolvers] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Nosepiece 6 Pos Cod', 'Revolver', 6, NULL);
INSERT INTO [Potential Revolvers] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Nosepiece 7 Pos Mot', 'Revolver', 7, NULL);

INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Pinhole', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Collimator', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Switch', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Attenuator', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Field Stop', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Aperture', 'Servo', 0.0, 4095.0, NULL);
INSERT INTO [Potential Servos] ([ID Potential], [Kind], [Minimum Value], [Maximum Value], [Summary])
    VALUES ('Servo Grating', 'Servo', 0.0, 4095.0, NULL);

-- XY stages; Handwheel is the handwheel setting of the motorized stage.
INSERT INTO [Potential Stages] ([ID Potential], [Kind], [Handwheel], [Summary])
    VALUES ('StageTabor', 'Motorized XY', 1, NULL);
INSERT INTO [Potential Stages] ([ID Potential], [Kind], [Handwheel], [Summary])
    VALUES ('Piezo XY', 'Piezo XY', 0, NULL);

INSERT INTO [Potential Switches] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Laser Switch', 'Switch', 2, NULL);
INSERT INTO [Potential Switches] ([ID Potential], [Kind], [Positions], [Summary])
    VALUES ('Shutter Switch', 'Switch', 2, NULL);

-- Fine Z drives; "ZLift 400" is kept for old installations and never offered.
INSERT INTO [Potential ZLift] ([ID Potential], [Kind], [Range um], [Summary])
    VALUES ('HRZ 200', 'Stage Insert', 200.0, NULL);
INSERT INTO [Potential ZLift] ([ID Potential], [Kind], [Range um], [Summary])
    VALUES ('Piezo Objective', 'Piezo', 100.0, NULL);
INSERT INTO [Potential ZLift] ([ID Potential], [Kind], [Range um], [Summary])
    VALUES ('ZLift 400', 'Stage Insert', 400.0, NULL);
