#include "Cameras.h"

#include <db/Database.h>
#include <db/Recordset.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <form/ListBox.h>
#include <form/OptionButton.h>
#include <records/RecordHelpers.h>
#include <records/RowEdits.h>
#include <records/TemplateMerge.h>
#include <scanhead/HeadFrames.h>

namespace microscope {

using namespace Qt::StringLiterals;
using namespace records;

namespace {

const QString kCpCameras = u"CP Cameras"_s;
const QString kKamova = u"Kamova"_s;
const QString kNone = u"None"_s;
const QString kPort = u"Port"_s;
const QString kAdapterMagnification = u"Adapter Magnification"_s;
const QString kCcdSizeX = u"CCD Size X"_s;
const QString kCcdSizeY = u"CCD Size Y"_s;
const QString kFront = u"FRONT"_s;
const QString kSideLeft = u"SPL"_s;
const QString kBase = u"BASE"_s;

// The choices of the camera list and the models they stand for; a model the list does not know
// shows as the last one.
struct Model {
    QString choice;
    QString id;
};
const QList<Model> kModels = {{u"Kc 1.4"_s, u"Kamova Kc"_s},
                              {u"Kc 2.0"_s, u"Kamova Kc 2.0"_s},
                              {u"Km 1.4"_s, u"Kamova Km"_s},
                              {u"Km 2.0"_s, u"Kamova Km 2.0"_s}};

const QStringList kPorts = {kFront, kSideLeft, u"SPR"_s, kBase, u"FOTO"_s};

QString querySql(Cameras::Schema schema) {
    const bool current = schema == Cameras::Schema::Current;
    return u"SELECT [Available Cameras].[ID Available], [Available Cameras].Status, [Potential "
           "Cameras].Kind, [Available Cameras].[Control Dll], [Potential Cameras].RGB, [Potential "
           "Cameras].[Pixel Size X], [Potential Cameras].[Pixel Size Y], [Potential "
           "Cameras].[Binning Brightness], [Available Cameras].Port%1 FROM [Available Cameras] "
           "INNER JOIN [Potential Cameras] ON [Available Cameras].[ID Potential] = [Potential "
           "Cameras].[ID Potential];"_s.arg(
               current ? u", [Available Cameras].[Adapter Magnification], [Potential "
                         "Cameras].[CCD Size X], [Potential Cameras].[CCD Size Y]"_s
                       : QString());
}

} // namespace

Cameras::Cameras(editor::Editor& editor, form::ListBox& camera, form::ListBox& port,
                 form::OptionButton& lens063, form::OptionButton& lens1)
    : m_editor(editor), comboCamera(camera), comboCameraPort(port), option063mag(lens063),
      option1mag(lens1) {
    comboCamera.setHandler([this] { SelectCamera(); });
    comboCameraPort.setHandler([this] { SelectCameraPort(); });
    option063mag.setHandler([this] { SelectAdapter(0.63); });
    option1mag.setHandler([this] { SelectAdapter(1.0); });
}

void Cameras::createMissingTables(editor::Editor& editor, Schema schema) {
    db::Database& work = editor.work();
    db::Database& templ = editor.templ();
    using db::FieldType;
    const bool current = schema == Schema::Current;
    if (!TableExists(work, kAvailableCameras)) {
        QList<db::FieldDef> fields = {{kIdAvailable, FieldType::Text},
                                      {kStatus, FieldType::Text},
                                      {kIdPotential, FieldType::Text},
                                      {u"Control Dll"_s, FieldType::Text},
                                      {kPort, FieldType::Text}};
        if (current)
            fields.append({kAdapterMagnification, FieldType::Double});
        fields.append({kSummary, FieldType::Text});
        work.createTable(kAvailableCameras, fields);
    }
    MergeMissingRows(templ, work, kAvailableCameras, kAvailableCameras, kIdAvailable);
    if (!TableExists(work, kPotentialCameras)) {
        QList<db::FieldDef> fields = {
            {kIdPotential, FieldType::Text},        {u"Kind"_s, FieldType::Text},
            {u"RGB"_s, FieldType::Boolean},         {u"Pixel Size X"_s, FieldType::Double},
            {u"Pixel Size Y"_s, FieldType::Double}, {u"Binning Brightness"_s, FieldType::Text}};
        if (current)
            fields.append({{kCcdSizeX, FieldType::Long}, {kCcdSizeY, FieldType::Long}});
        work.createTable(kPotentialCameras, fields);
    }
    if (!work.queryExists(kCpCameras))
        work.createQueryDef(kCpCameras, querySql(schema));
    MergeMissingRows(templ, work, kPotentialCameras, kPotentialCameras, kIdPotential);
}

void Cameras::fillCameraList() {
    const QString shown = comboCamera.text();
    comboCamera.clear();
    comboCamera.addItem(kNone);
    for (const Model& model : kModels)
        comboCamera.addItem(model.choice);
    comboCamera.selectText(shown);
}

void Cameras::SelectCamera() {
    if (!m_editor.isLive())
        return;
    createMissingTables(m_editor, Schema::Current);
    db::Database& work = m_editor.work();
    const QString choice = comboCamera.text();
    const bool none = choice == kNone;
    SetStatus(work, kAvailableCameras, kIdAvailable, kKamova, none ? kStatusOff : kStatusInUse);
    for (const Model& model : kModels)
        if (model.choice == choice)
            WriteField(work, kAvailableCameras, kIdAvailable, kKamova, kIdPotential, model.id);
    // While the camera is off no adapter is selected: the row keeps the lens it has.
    if (option1mag.isSelected() || option063mag.isSelected())
        WriteField(work, kAvailableCameras, kIdAvailable, kKamova, kAdapterMagnification,
                   option1mag.isSelected() ? 1.0 : 0.63);
    CameraView();
}

bool Cameras::portTaken(const QString& port) const {
    if (!m_heads)
        return false;
    const bool scanHead = m_heads->scanHeadFitted();
    const bool fcsHead = !m_heads->fcsNone();
    if (scanHead && fcsHead)
        return port == kBase || port == kSideLeft;
    if (!scanHead && !fcsHead)
        return false;
    const bool side = scanHead ? m_heads->sidePort() : m_heads->fcsSidePort();
    return port == (side ? kSideLeft : kBase);
}

void Cameras::SelectCameraPort() {
    if (!m_editor.isLive())
        return;
    const QString port = comboCameraPort.text();
    if (!portTaken(port)) {
        WriteField(m_editor.work(), kAvailableCameras, kIdAvailable, kKamova, kPort, port);
        return;
    }
    const QString stored = storedPort();
    const editor::Quiet quiet(m_editor);
    if (!comboCameraPort.selectText(stored))
        comboCameraPort.setCurrentIndex(-1);
}

void Cameras::SelectAdapter(double magnification) {
    if (!m_editor.isLive())
        return;
    WriteField(m_editor.work(), kAvailableCameras, kIdAvailable, kKamova, kAdapterMagnification,
               magnification);
}

QString Cameras::storedPort() {
    db::Database& work = m_editor.work();
    if (!work.queryExists(kCpCameras))
        return {};
    const QString port = NullToText(ReadField(work, kCpCameras, kIdAvailable, kKamova, kPort));
    return port == u"TV"_s ? kFront : port;
}

void Cameras::upgradeFields() {
    db::Database& work = m_editor.work();
    bool added = false;
    if (TableExists(work, kAvailableCameras) &&
        AppendMissingField(work, kAvailableCameras, kAdapterMagnification, db::FieldType::Double)) {
        WriteField(work, kAvailableCameras, kIdAvailable, kKamova, kAdapterMagnification, 1.0);
        added = true;
    }
    if (TableExists(work, kPotentialCameras)) {
        bool sizeAdded = false;
        for (const QString& field : {kCcdSizeX, kCcdSizeY})
            sizeAdded |= AppendMissingField(work, kPotentialCameras, field, db::FieldType::Long);
        // Every model of the list, so that no camera reads an empty sensor size.
        if (sizeAdded)
            for (const Model& model : kModels)
                for (const QString& field : {kCcdSizeX, kCcdSizeY})
                    WriteField(work, kPotentialCameras, kIdPotential, model.id, field, 0);
        added |= sizeAdded;
    }
    if (added)
        ReplaceQueryFromTemplate(m_editor.templ(), work, kCpCameras, kCpCameras);
}

void Cameras::CameraView() {
    upgradeFields();
    db::Database& work = m_editor.work();
    const editor::Quiet quiet(m_editor);
    const Row row = FirstRowByKey(work, kAvailableCameras, kIdAvailable, kKamova,
                                  {kStatus, kIdPotential, kAdapterMagnification});
    const bool fitted = row.exists() && IsUsable(row.value(kStatus));
    option063mag.setEnabled(fitted);
    option1mag.setEnabled(fitted);
    if (!fitted) {
        comboCamera.selectText(kNone);
        option063mag.setSelected(false);
        option1mag.setSelected(false);
        return;
    }
    const QString id = NullToText(row.value(kIdPotential));
    QString choice = kModels.last().choice;
    for (const Model& model : kModels)
        if (model.id == id)
            choice = model.choice;
    comboCamera.selectText(choice);
    const QVariant magnification = row.value(kAdapterMagnification);
    if (magnification.isNull()) {
        option063mag.setSelected(false);
        option1mag.setSelected(false);
    } else {
        (qFuzzyCompare(magnification.toDouble(), 1.0) ? option1mag : option063mag)
            .setSelected(true);
    }
    comboCameraPort.clear();
    for (const QString& port : kPorts)
        comboCameraPort.addItem(port);
    if (!comboCameraPort.selectText(storedPort()))
        comboCameraPort.setCurrentIndex(-1);
}

} // namespace microscope
