#include "AddUserFilterDialog.h"

#include <QRegularExpression>
#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/FilterDialogContext.h>
#include <form/FormSet.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace catalogue {

using records::NullToText;

namespace {

const QString kCaption = u"Add New Filter"_s;
const QString kQuentara = u"Quentara"_s;
const QString kLongPass = u"LP"_s;
const QString kShortPass = u"KP"_s;
const QString kNotchFilter = u"NFT"_s;

const QStringList kSpectralTypes = {u"FW1"_s,    u"FW2"_s, u"FW3"_s, u"KP"_s,
                                    u"BP"_s,     u"LP"_s,  u"HFT"_s, u"HFT KP"_s,
                                    u"HFT UV"_s, u"NFT"_s, u"NF"_s,  QString()};
const QStringList kFilterTypes = {u"FW1"_s,    u"FW2"_s, u"FW3"_s,    u"KP"_s,  u"BP"_s,
                                  u"BP-NDD"_s, u"LP"_s,  u"LP-NDD"_s, u"HFT"_s, u"HFT KP"_s,
                                  u"HFT UV"_s, u"NFT"_s, u"NF"_s,     QString()};

QString numberText(const QVariant& value) {
    return value.isNull() ? QString() : QString::number(value.toDouble());
}

} // namespace

AddUserFilterDialog::AddUserFilterDialog(editor::Editor& editor,
                                         editor::FilterDialogContext& context)
    : editor::ModalDialog(editor, u"FormAddUserFilter"_s, kCaption), m_context(context) {
    check1.setHandler([this] {
        if (!check1.isChecked())
            eProducer.setText(kQuentara);
        eProducer.setEnabled(check1.isChecked());
    });
    cmdLast.setHandler([this] { useLastValues(); });
    command2.setHandler([this] { apply(); });
    command1.setHandler([this] { close(); });
}

void AddUserFilterDialog::AddUserFilter() {
    exec();
}

double AddUserFilterDialog::leadingNumber(const QString& text) {
    static const QRegularExpression number(
        u"^\\s*([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+)(?:[eE][+-]?\\d+)?)"_s);
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

void AddUserFilterDialog::opened() {
    check1.setChecked(false);
    eProducer.setText(kQuentara);
    eProducer.setEnabled(false);
    eName.setText(u"New Filter"_s);
    for (form::TextBox* box : {&eIdPot, &eSummary, &eLwl, &eCwl, &eUwl, &eCutOff, &eOpq})
        box->setText(QString());
    comboType.clear();
    for (const QString& item : kSpectralTypes)
        comboType.addItem(item);
    comboFType.clear();
    for (const QString& item : kFilterTypes)
        comboFType.addItem(item);
    // The wheel's first type chooses the preset; "FW3" wheels take short passes.
    const QString first = m_context.allowedTypes.value(0);
    int spectral = int(kSpectralTypes.size()) - 1;
    int filter = int(kFilterTypes.size()) - 1;
    if (first == u"FW1"_s)
        spectral = filter = 0;
    else if (first == u"FW2"_s)
        spectral = filter = 1;
    else if (first == u"FW3"_s)
        spectral = filter = 3;
    comboType.setCurrentIndex(spectral);
    comboFType.setCurrentIndex(filter);
}

void AddUserFilterDialog::useLastValues() {
    const QString id = m_context.selection();
    eName.setText(id);
    const db::Recordset rows = editor().work().OpenRecordset(
        u"SELECT * FROM [Potential Filters] WHERE [ID Potential] = ?"_s, {id});
    if (rows.recordCount() != 1)
        return;
    eIdPot.setText(NullToText(rows.value(u"Quentara Code No"_s)));
    const QVariant lower = rows.value(u"Lower Wavelength"_s);
    const QVariant upper = rows.value(u"Upper Wavelength"_s);
    const QVariant centre = rows.value(u"Center Wavelength"_s);
    eLwl.setText(numberText(lower));
    eUwl.setText(numberText(upper));
    eCwl.setText(numberText(centre));
    eOpq.setText(NullToText(rows.value(u"Opaque for"_s)));
    const QString producer = NullToText(rows.value(u"Producer"_s));
    eProducer.setText(producer.isEmpty() ? kQuentara : producer);
    comboFType.selectText(NullToText(rows.value(u"Type"_s)));
    const QString spectral = NullToText(rows.value(u"Spectral Type"_s));
    comboType.selectText(spectral);
    eSummary.setText(NullToText(rows.value(u"Summary"_s)));
    if (spectral == kLongPass)
        eCutOff.setText(numberText(lower));
    else if (spectral == kShortPass)
        eCutOff.setText(numberText(upper));
    else if (spectral == kNotchFilter)
        eCutOff.setText(numberText(centre));
}

void AddUserFilterDialog::refuse(const QString& text) {
    editor().host().message(text, kCaption, form::MessageIcon::Information);
}

void AddUserFilterDialog::apply() {
    db::Database& work = editor().work();
    if (eIdPot.text().isEmpty()) {
        refuse(u"Series number must not be empty !"_s);
        return;
    }
    const QString name = eName.text();
    // A filter without a name could be neither placed nor removed.
    if (name.trimmed().isEmpty()) {
        refuse(u"Filter name must not be empty !"_s);
        return;
    }
    if (records::RecordExists(work, u"Potential Filters"_s, records::kIdPotential, name)) {
        refuse(u"Filter already existing!"_s);
        return;
    }
    QString lower = eLwl.text();
    QString centre = eCwl.text();
    QString upper = eUwl.text();
    const QString spectral = comboType.text();
    const QString cutOff = eCutOff.text();
    if (spectral == kLongPass) {
        lower = cutOff;
        upper = u"1000"_s;
    } else if (spectral == kShortPass) {
        lower = u"200"_s;
        upper = cutOff;
    } else if (spectral == kNotchFilter) {
        centre = cutOff;
    }
    auto orBlank = [](const QString& text) { return text.isEmpty() ? u" "_s : text; };
    records::AddRow(work, u"Potential Filters"_s,
                    {{records::kIdPotential, name},
                     {u"Quentara Code No"_s, eIdPot.text()},
                     {u"Lower Wavelength"_s, leadingNumber(lower)},
                     {u"Upper Wavelength"_s, leadingNumber(upper)},
                     {u"Center Wavelength"_s, leadingNumber(centre)},
                     {u"Average Transmission"_s, 1.0},
                     {u"Opaque for"_s, orBlank(eOpq.text())},
                     {u"Producer"_s, eProducer.text()},
                     {u"Type"_s, comboFType.text()},
                     {u"Spectral Type"_s, spectral},
                     {u"Summary"_s, orBlank(eSummary.text())},
                     {u"Customer Added"_s, true}});
}

} // namespace catalogue
