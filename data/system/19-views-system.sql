-- Stored queries of the installation read by the acquisition software and the editor.

-- AOM/AOTF drivers; Lines is the number of lines the driver type serves.
CREATE VIEW [CP AOM Drivers] AS SELECT [Available AOM Drivers].[ID Available], [Available AOM Drivers].[Status], [Available AOM Drivers].[ID Potential], [Available AOM Drivers].[Control], [Potential AOM Drivers].[Kind], [Potential AOM Drivers].[Lines] FROM [Available AOM Drivers] INNER JOIN [Potential AOM Drivers] ON [Available AOM Drivers].[ID Potential] = [Potential AOM Drivers].[ID Potential];

-- Laser lines with their attenuator channel and the driver of the modulator that serves them, by wavelength.
CREATE VIEW [CP Attenuator Channels] AS SELECT [Available Attenuator Channels].[Wavelength], [Available Attenuator Channels].[Status], [Available Attenuator Channels].[Channel No], [Available Attenuator Channels].[Not Include], [Available Attenuator Channels].[ID Available AOM], [Available AOMs].Control AS [Available AOM Driver], [Available Attenuator Channels].[FCS], [Available Attenuator Channels].[Calibration Wavelength] FROM [Available Attenuator Channels] INNER JOIN [Available AOMs] ON [Available Attenuator Channels].[ID Available AOM] = [Available AOMs].[ID Available] ORDER BY [Available Attenuator Channels].Wavelength;

-- Collimators of the laser coupling with their servo and default setting.
CREATE VIEW [CP Collimators] AS SELECT [Available Collimators].[ID Available], [Available Collimators].[Status], [Available Collimators].[ID Potential], [Available Collimators].[Control], [Available Collimators].[Default] FROM [Available Collimators];

-- Detectors with the links of their device chain.
CREATE VIEW [CP Point Detectors] AS SELECT [Available Point Detectors].[ID Available], [Available Point Detectors].[Status], [Available Point Detectors].[ID Potential], [Available Point Detectors].[Control Gain], [Available Point Detectors].[Next Electrical Device], [Available Point Detectors].[Next Optical Device], [Available Point Detectors].[Input Channel No], [Available Point Detectors].[Detector Type] FROM [Available Point Detectors];

-- XY stages with the handwheel setting of their type.
CREATE VIEW [CP Stage] AS SELECT [Available Stages].[ID Available], [Available Stages].[Status], [Available Stages].[ID Potential], [Available Stages].[Control], [Potential Stages].[Kind], [Potential Stages].[Handwheel] FROM [Available Stages] INNER JOIN [Potential Stages] ON [Available Stages].[ID Potential] = [Potential Stages].[ID Potential];

-- Video switches of the spectral detector option.
CREATE VIEW [CP Video Switches] AS SELECT [Available Video Switches].[ID Available], [Available Video Switches].Status, [Available Video Switches].Control, [Potential Video Switches].Kind, [Potential Video Switches].[Input Channels], [Potential Video Switches].[Output Channels], [Potential Video Switches].[Track Registers], [Available Video Switches].Summary FROM [Available Video Switches] INNER JOIN [Potential Video Switches] ON [Available Video Switches].[ID Potential] = [Potential Video Switches].[ID Potential];

-- Wavelengths of every laser, one row per line; ID Available names the laser.
CREATE VIEW [CP Wavelength] AS SELECT [Available Laser Wavelength].[ID Laser] AS [ID Available], [Available Lasers].Status, [Available Laser Wavelength].[Wavelength], [Available Lasers].[ID Potential] FROM [Available Laser Wavelength] INNER JOIN [Available Lasers] ON [Available Laser Wavelength].[ID Laser] = [Available Lasers].[ID Available] ORDER BY [Available Laser Wavelength].[ID Laser], [Available Laser Wavelength].Wavelength;
