#include "AddUserObjectiveDialog.h"

#include "AddUserFilterDialog.h"

#include <db/Database.h>
#include <editor/Editor.h>
#include <form/FormSet.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>

namespace catalogue {

namespace {

const QString kCaption = u"Add New Objective"_s;
const QString kQuentara = u"Quentara"_s;
const QStringList kUvChoices = {u"No"_s, u"Full"_s, u"364 nm"_s};
const QStringList kScanChoices = {u"No"_s, u"Yes"_s};

} // namespace

AddUserObjectiveDialog::AddUserObjectiveDialog(editor::Editor& editor)
    : editor::ModalDialog(editor, u"FormAddUserObjective"_s, kCaption) {
    check1.setHandler([this] {
        if (!check1.isChecked())
            eProducer.setText(kQuentara);
        eProducer.setEnabled(check1.isChecked());
    });
    command2.setHandler([this] { apply(); });
    command1.setHandler([this] { close(); });
}

void AddUserObjectiveDialog::AddUserObjective() {
    exec();
}

int AddUserObjectiveDialog::uvFitnessCode(const QString& text) {
    return int(qMax(qsizetype(0), kUvChoices.indexOf(text)));
}

int AddUserObjectiveDialog::scanFitnessCode(const QString& text) {
    return int(qMax(qsizetype(0), kScanChoices.indexOf(text)));
}

void AddUserObjectiveDialog::opened() {
    check1.setChecked(false);
    eProducer.setText(kQuentara);
    eProducer.setEnabled(false);
    eName.setText(u"New Objective"_s);
    for (form::TextBox* box : {&eIdPot, &eMag, &eAp, &eImm})
        box->setText(QString());
    eWorkingDistance.setText(u"0.1"_s);
    comboUv.clear();
    for (const QString& choice : kUvChoices)
        comboUv.addItem(choice);
    comboUv.setCurrentIndex(1);
    comboScan.clear();
    for (const QString& choice : kScanChoices)
        comboScan.addItem(choice);
    comboScan.setCurrentIndex(1);
}

void AddUserObjectiveDialog::apply() {
    db::Database& work = editor().work();
    const QString id = eIdPot.text();
    auto refuse = [this](const QString& text) {
        editor().host().message(text, kCaption, form::MessageIcon::Information);
    };
    if (id.isEmpty()) {
        refuse(u"Objective ID must not be empty !"_s);
        return;
    }
    if (records::RecordExists(work, records::kPotentialObjectiveLenses, records::kIdPotential,
                              id)) {
        refuse(u"Objective already existing!"_s);
        return;
    }
    records::AddRow(
        work, records::kPotentialObjectiveLenses,
        {{records::kIdPotential, id},
         {u"Producer"_s, eProducer.text()},
         {records::kSummary, eName.text()},
         {u"Magnification"_s, AddUserFilterDialog::leadingNumber(eMag.text())},
         {u"Numerical Aperture"_s, AddUserFilterDialog::leadingNumber(eAp.text())},
         {u"Immersion Medium Refractive Index"_s, AddUserFilterDialog::leadingNumber(eImm.text())},
         {u"UVFitness"_s, uvFitnessCode(comboUv.text())},
         {u"ScanFitness"_s, scanFitnessCode(comboScan.text())},
         {u"Customer Added"_s, true}});
}

} // namespace catalogue
