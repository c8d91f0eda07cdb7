-- Stored queries only the template carries.

-- Switch query of an installation with FCS head: also reports the shutter close position. It replaces "CP Switches" of the working copy when the FCS head is added.
CREATE VIEW [CP Switches FCS] AS SELECT [Available Switches].[ID Available], [Available Switches].[Status], [Available Switches].[ID Potential], [Available Switches].[Control], [Available Switches].[Control Position], [Available Switches].[Initial Position], [Available Switches].[Next Optical Device], [Available Switches].[Close], [Potential Switches].[Kind], [Potential Switches].[Positions] FROM [Available Switches] INNER JOIN [Potential Switches] ON [Available Switches].[ID Potential] = [Potential Switches].[ID Potential];

-- Revolver types offered on the microscope page, smallest first.
CREATE VIEW [QNosepieces] AS SELECT [Available Nosepieces].[Available Nosepiece], [Available Nosepieces].[ID Potential], [Available Nosepieces].[Positions] FROM [Available Nosepieces] ORDER BY [Available Nosepieces].Positions;
