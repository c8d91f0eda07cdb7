-- Stored queries read by the acquisition software. The editor replaces these in an
-- installation with the template's text of the same name, so both databases carry them.

-- Fine Z drives with their catalogue type; the revolver position tells where the piezo objective sits.
CREATE VIEW [CP ZLift] AS SELECT [Available ZLift].[ID Available], [Available ZLift].[Status], [Available ZLift].[ID Potential], [Available ZLift].[Control], [Available ZLift].[Revolver Position], [Potential ZLift].[Kind], [Potential ZLift].[Range um] FROM [Available ZLift] INNER JOIN [Potential ZLift] ON [Available ZLift].[ID Potential] = [Potential ZLift].[ID Potential];

-- Scan processors with their firmware file and image orientation.
CREATE VIEW [CP Dsps] AS SELECT [Available Dsps].[ID Available], [Available Dsps].[Status], [Available Dsps].[ID Potential], [Available Dsps].[Control], [Available Dsps].[Software File], [Available Dsps].[Exchange XY], [Available Dsps].[Mirror X], [Available Dsps].[Mirror Y] FROM [Available Dsps];

-- Lamps with their catalogue type, side of the light path and switch-on delay.
CREATE VIEW [CP Lamps] AS SELECT [Available Lamps].[ID Available], [Available Lamps].[Status], [Available Lamps].[ID Potential], [Available Lamps].[Control], [Available Lamps].[Is Reflected Light], [Available Lamps].[Delay ms], [Potential Lamps].[Kind], [Potential Lamps].[Power W] FROM [Available Lamps] INNER JOIN [Potential Lamps] ON [Available Lamps].[ID Potential] = [Potential Lamps].[ID Potential];

-- Objectives on the revolver positions with the optical data of their catalogue row.
CREATE VIEW [CP Objectives] AS SELECT [Available Objective Lenses].[ID Available], [Available Objective Lenses].[Status], [Available Objective Lenses].[ID Potential], [Available Objective Lenses].[Revolver Position], [Available Objective Lenses].[Magnification], [Available Objective Lenses].[Numerical Aperture], [Available Objective Lenses].[Coverglass Thickness], [Available Objective Lenses].[Field Correction], [Potential Objective Lenses].[Immersion Medium Refractive Index], [Potential Objective Lenses].[Working Distance], [Potential Objective Lenses].[UVFitness], [Potential Objective Lenses].[ScanFitness] FROM [Available Objective Lenses] INNER JOIN [Potential Objective Lenses] ON [Available Objective Lenses].[ID Potential] = [Potential Objective Lenses].[ID Potential];

-- Switches of the light path with their catalogue type.
CREATE VIEW [CP Switches] AS SELECT [Available Switches].[ID Available], [Available Switches].[Status], [Available Switches].[ID Potential], [Available Switches].[Control], [Available Switches].[Control Position], [Available Switches].[Initial Position], [Available Switches].[Next Optical Device], [Potential Switches].[Kind], [Potential Switches].[Positions] FROM [Available Switches] INNER JOIN [Potential Switches] ON [Available Switches].[ID Potential] = [Potential Switches].[ID Potential];

-- The microscope camera with its model data.
CREATE VIEW [CP Cameras] AS SELECT [Available Cameras].[ID Available], [Available Cameras].Status, [Potential Cameras].Kind, [Available Cameras].[Control Dll], [Potential Cameras].RGB, [Potential Cameras].[Pixel Size X], [Potential Cameras].[Pixel Size Y], [Potential Cameras].[Binning Brightness], [Available Cameras].Port, [Available Cameras].[Adapter Magnification], [Potential Cameras].[CCD Size X], [Potential Cameras].[CCD Size Y] FROM [Available Cameras] INNER JOIN [Potential Cameras] ON [Available Cameras].[ID Potential] = [Potential Cameras].[ID Potential];
