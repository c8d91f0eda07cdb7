-- Catalogue rows the lab added with the editor's add dialogs.

-- Two user-defined filters, one without a series number and with a quote in its name.
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('Lab ''LP 560''', NULL, 'LP', 'LP', 560.0, NULL, 1000.0, 1.0, ' ', 'Imaging Lab', 'Lab-made long pass', 1);
INSERT INTO [Potential Filters] ([ID Potential], [Quentara Code No], [Type], [Spectral Type], [Lower Wavelength], [Center Wavelength], [Upper Wavelength], [Average Transmission], [Opaque for], [Producer], [Summary], [Customer Added])
    VALUES ('My BP 500', 'U-001', 'BP', 'BP', 480.0, 500.0, 520.0, 1.0, ' ', 'Imaging Lab', 'Band pass of the lab', 1);

-- A user-defined objective of another maker.
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('LAB-100x', 'Lab Apo 100x/1.45 Oil', 'Other Maker', 100.0, 1.45, 1.518, 0.17, 0.17, 0.13, 0, 1, 1);

-- A user-defined water objective for UV work at 364 nm, not fit for scanning.
INSERT INTO [Potential Objective Lenses] ([ID Potential], [Summary], [Producer], [Magnification], [Numerical Aperture], [Immersion Medium Refractive Index], [Coverglass Thickness Minimum], [Coverglass Thickness Maximum], [Working Distance], [UVFitness], [ScanFitness], [Customer Added])
    VALUES ('LAB-W60', 'Lab Water 60x/1.0', 'Other Maker', 60.0, 1.0, 1.333, 0.0, 0.0, 2.0, 2, 0, 1);
