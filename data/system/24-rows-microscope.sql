-- Stand equipment of the demo installation (Inverta M2): lamps, shutters, focus,
-- revolver with six objectives, fine Z drives, stages, camera and scan processor.

-- Lamps: transmitted halogen and reflected mercury lamp in use. The halogen lamp's delay is
-- unset, as in installations from before the delay existed; the readout fills it.
INSERT INTO [Available Lamps] ([ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('HAL', ' ', 'Halogen 100W', 'CANH', 0, NULL);
INSERT INTO [Available Lamps] ([ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('HBO', ' ', 'HBO 103', 'CANA', 1, 5000);
INSERT INTO [Available Lamps] ([ID Available], [Status], [ID Potential], [Control], [Is Reflected Light], [Delay ms])
    VALUES ('HAL Refl', 'Do not use', 'Halogen Refl 100W', 'CANH', 1, 1000);

-- Shutters and mirrors of the stand; Control names the interface that drives them.
INSERT INTO [Available Shutters] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device])
    VALUES ('Transmission Mirror', ' ', 'Mirror', 'CANH', 'Transmission Mirror', ' ');
INSERT INTO [Available Shutters] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device])
    VALUES ('Shutter Auflicht', ' ', 'Shutter', 'CANH', NULL, ' ');
INSERT INTO [Available Shutters] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device])
    VALUES ('Kondensor Frontlinse', ' ', 'Front Lens', 'CANH', NULL, ' ');

-- Focus drive and the focus offsets of the five camera/eyepiece adapters; the offsets survive a
-- stand change.
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('Focus', ' ', 'Focus Inverta', 'CANH', 0.05, 0.0);
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('ATBLOffset', ' ', 'Focus Offset', 'CANH', NULL, 12.5);
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('ATBROffset', ' ', 'Focus Offset', 'CANH', NULL, 12.5);
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('ATEXOffset', ' ', 'Focus Offset', 'CANH', NULL, 0.0);
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('ATTLOffset', ' ', 'Focus Offset', 'CANH', NULL, -3.0);
INSERT INTO [Available Focus Control] ([ID Available], [Status], [ID Potential], [Control], [Step Size], [Offset])
    VALUES ('ATTROffset', ' ', 'Focus Offset', 'CANH', NULL, -3.0);

-- The objective revolver: six coded positions.
INSERT INTO [Available Revolvers] ([ID Available], [Status], [ID Potential], [Control], [Positions])
    VALUES ('OBJREV', ' ', 'Nosepiece 6 Pos Cod', 'CANH', 6);

-- Objectives on the revolver positions; ID Available is the objective's name.
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Plan-Neo 10x/0.30', ' ', '44 03 30', 1, 10.0, 0.3, 0.17, 0.0);
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Plan-Apo 20x/0.75', ' ', '44 06 40', 2, 20.0, 0.75, 0.17, 0.0);
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('C-Apo 40x/1.2 W', ' ', '44 17 67', 3, 40.0, 1.2, 0.17, 0.0);
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Plan-Apo 63x/1.4 Oil', ' ', '44 07 62', 4, 63.0, 1.4, 0.17, 0.0);
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Empty position', ' ', 'Empty position', 5, 0.0, 0.0, 0.0, 0.0);
INSERT INTO [Available Objective Lenses] ([ID Available], [Status], [ID Potential], [Revolver Position], [Magnification], [Numerical Aperture], [Coverglass Thickness], [Field Correction])
    VALUES ('Empty position', ' ', 'Empty position', 6, 0.0, 0.0, 0.0, 0.0);

-- The engineer's favourite objectives.
INSERT INTO [Favourite Objective Lenses] ([ID Potential], [Focus Speed])
    VALUES ('44 03 30', 1);
INSERT INTO [Favourite Objective Lenses] ([ID Potential], [Focus Speed])
    VALUES ('44 07 62', 1);
INSERT INTO [Favourite Objective Lenses] ([ID Potential], [Focus Speed])
    VALUES ('Empty position', 1);

-- Fine Z drives: the stage insert is in use, the piezo objective sits on position 3 but is off.
INSERT INTO [Available ZLift] ([ID Available], [Status], [ID Potential], [Control], [Revolver Position])
    VALUES ('ZLift', ' ', 'HRZ 200', 'CANH', -1);
INSERT INTO [Available ZLift] ([ID Available], [Status], [ID Potential], [Control], [Revolver Position])
    VALUES ('Piezo', 'Do not use', 'Piezo Objective', 'COM5', 3);

INSERT INTO [Calibration ZLift] ([ID Available], [Offset], [Factor], [Range um])
    VALUES ('ZLift', 0.0, 1.0, 200.0);
INSERT INTO [Calibration ZLift] ([ID Available], [Offset], [Factor], [Range um])
    VALUES ('Piezo', 0.0, 1.0, 100.0);

-- Motorized XY stage with handwheel on its own CAN node; the piezo stage is present but off.
INSERT INTO [Available Stages] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('Stage', ' ', 'StageTabor', 'CANS');
INSERT INTO [Available Stages] ([ID Available], [Status], [ID Potential], [Control])
    VALUES ('StageP', 'Do not use', 'Piezo XY', 'COM5');

INSERT INTO [Calibration Stages] ([ID Available], [Offset X], [Offset Y], [Factor X], [Factor Y])
    VALUES ('Stage', 0.0, 0.0, 1.0, 1.0);
INSERT INTO [Calibration Stages] ([ID Available], [Offset X], [Offset Y], [Factor X], [Factor Y])
    VALUES ('StageP', 0.0, 0.0, 1.0, 1.0);

-- The camera row; no camera is fitted at the moment.
INSERT INTO [Available Cameras] ([ID Available], [Status], [ID Potential], [Control Dll], [Port], [Adapter Magnification], [Summary])
    VALUES ('Kamova', 'Do not use', 'Kamova Kc', 'KamovaCam.dll', 'TV', 1.0, 'Kamova camera');

-- Scan processor with its firmware file; no image flip.
INSERT INTO [Available Dsps] ([ID Available], [Status], [ID Potential], [Control], [Software File], [Exchange XY], [Mirror X], [Mirror Y])
    VALUES ('Dsp1', ' ', 'DSP 56303', 'HCS1', 'quentaradsp.bin', 0, 0, 0);

-- Video switches of the spectral option, fitted once and switched off since.
INSERT INTO [Available Video Switches] ([ID Available], [Status], [ID Potential], [Control], [Summary])
    VALUES ('VS1', 'Do not use', 'VSwitch 8x4', 'CANS1', 'Spectral video switch');

INSERT INTO [Potential Video Switches] ([ID Potential], [Kind], [Input Channels], [Output Channels], [Track Registers])
    VALUES ('VSwitch 8x4', 'Video Switch', 8, 4, 4);

-- The virtual transmitted-light wheel of the Orvane AIE stand, kept from a time the
-- installation stood on it; the Inverta M2 does not drive it.
INSERT INTO [Available Filtersets] ([ID Available], [Status], [ID Potential], [Control], [Control Position], [Next Optical Device], [Motorization])
    VALUES ('FWVirtual', 'Do not use', 'Virtual Wheel', 'None', 'CANH', ' ', 'manual');
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 1, 'None', 0, 1);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 2, 'ND 0.5', 0, 2);
INSERT INTO [Available FilterPlacement] ([ID Available], [Position], [ID Potential], [Not Include], [Output Position])
    VALUES ('FWVirtual', 3, 'ND 1.0', 0, 3);

-- More favourites: a user-defined objective the lab uses every day.
INSERT INTO [Favourite Objective Lenses] ([ID Potential], [Focus Speed])
    VALUES ('LAB-100x', 2);
