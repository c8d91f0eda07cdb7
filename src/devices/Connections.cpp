#include "Connections.h"

#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <records/RecordHelpers.h>

namespace devices {

using namespace records;

// A device that the host drives through a serial port: its row, and the kind under which the
// template keeps the port settings it needs. The stand is reached through every CAN bus row of
// "Available Interfaces" at once.
struct Connections::Device {
    QString table;
    QString id;
    QString kind;
    bool canBus = false;
    QString conflictMessage; // the warning when another device is put on its port
};

namespace {

const QString kCanBus = u"CanBusMk1"_s;
// The key under which the stand's own port is re-marked.
const QString kMicroscope = u"Microscope"_s;

using Device = Connections::Device;

const Device kStand{
    kAvailableInterfaces, {}, u"CAN"_s, true, u"Change Connection to Microscope !"_s};
const Device kAotfDriver{kAvailableAomDrivers, u"AOTF Driver"_s, u"AOTF"_s, false,
                         u"Change Connection to AOTF Driver!"_s};
const Device kNloAomDriver{kAvailableAomDrivers, u"NLO AOM Driver"_s, u"AOM"_s, false,
                           u"Change Connection to NLO AOM Driver!"_s};
const Device kEnterprise{u"Available Lasers"_s, u"Enterprise"_s, u"Enterprise"_s, false,
                         u"Change Connection to Enterprise Laser!"_s};
const Device kKrypton{u"Available Lasers"_s, u"Krypton 413"_s, u"Krypton 413"_s, false,
                      u"Change Connection to Krypton 413 Laser!"_s};
const Device kMaiTai{u"Available Lasers"_s, u"Mai Tai"_s, u"Mai Tai"_s, false,
                     u"Change Connection to Mai Tai Laser!"_s};
const Device kChameleon{u"Available Lasers"_s, u"Chameleon"_s, u"Chameleon"_s, false,
                        u"Change Connection to Chameleon Laser!"_s};
const Device kPiezoStage{kAvailableStages, u"StageP"_s, u"StageP"_s, false, {}};

// The order in which a port choice warns about the other devices on the port.
const QList<const Device*> kConflictOrder = {&kStand,   &kAotfDriver, &kNloAomDriver, &kEnterprise,
                                             &kKrypton, &kMaiTai,     &kChameleon};
// The order in which the ports of the other devices are marked in use again.
const QList<const Device*> kRemarkOrder = {&kPiezoStage, &kEnterprise, &kKrypton,      &kMaiTai,
                                           &kChameleon,  &kAotfDriver, &kNloAomDriver, &kStand};

QString nameOf(const Device& device) {
    return device.canBus ? kMicroscope : device.id;
}

// Keeps the port lists disabled, with the busy pointer, while a port choice runs; each list
// then gets back the state it had, so that a list whose device is switched off stays disabled.
class PortListsDisabled {
public:
    PortListsDisabled(editor::Editor& editor, const QList<form::ListBox*>& lists)
        : m_busy(editor.host()), m_lists(lists) {
        for (form::ListBox* list : m_lists) {
            m_enabled.append(list->isEnabled());
            list->setEnabled(false);
        }
    }
    ~PortListsDisabled() {
        for (int i = 0; i < m_lists.size(); ++i)
            m_lists[i]->setEnabled(m_enabled[i]);
    }
    PortListsDisabled(const PortListsDisabled&) = delete;
    PortListsDisabled& operator=(const PortListsDisabled&) = delete;

private:
    editor::BusyScope m_busy;
    QList<form::ListBox*> m_lists;
    QList<bool> m_enabled;
};

} // namespace

Connections::Connections(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor) {
    for (form::ListBox* list :
         {&comboConnection, &comboConnectionAotf, &comboConnectionAom, &comboConnectionUvLaser,
          &comboConnectionNloLaser, &comboConnectionPiezo})
        list->setHandler([this, list] { choosePort(*list); });
    cmdLaserConnect.setEnabled(false);
    cmdLaserConnect.setHandler([this] {
        if (m_laserConnect)
            m_laserConnect();
    });
}

void Connections::setLaserConnectAction(std::function<void()> action) {
    m_laserConnect = std::move(action);
    cmdLaserConnect.setEnabled(m_laserConnect != nullptr);
}

Connections::DeviceRow Connections::rowOf(const Device& device) const {
    // The first CAN bus row in table order stands for the stand's connection.
    const Row row = device.canBus ? FirstRowByKey(m_editor.work(), kAvailableInterfaces,
                                                  kIdPotential, kCanBus, {kStatus, kControl})
                                  : FirstRowByKey(m_editor.work(), device.table, kIdAvailable,
                                                  device.id, {kStatus, kControl});
    if (!row.exists())
        return {};
    return {true, IsUsable(row.value(kStatus)), NullToText(row.value(kControl))};
}

void Connections::InterfaceReadout() {
    db::Database& work = m_editor.work();
    const editor::Quiet quiet(m_editor);
    QString standPort;
    for (const char* node : {"CANI", "CANH", "CANO"}) {
        const QString id = QString::fromLatin1(node);
        if (RecordExists(work, kAvailableInterfaces, kIdAvailable, id)) {
            standPort =
                NullToText(ReadField(work, kAvailableInterfaces, kIdAvailable, id, kControl));
            break;
        }
    }

    const QList<form::ListBox*> lists = {&comboConnection,         &comboConnectionAotf,
                                         &comboConnectionAom,      &comboConnectionUvLaser,
                                         &comboConnectionNloLaser, &comboConnectionPiezo};
    for (form::ListBox* list : lists)
        list->clear();
    int standEntry = -1;
    db::Recordset ports = work.OpenRecordset(
        u"SELECT * FROM [Available Interfaces] WHERE [ID Potential] = ?"_s, {u"SerialPort"_s});
    for (int n = 0; !ports.eof(); ports.moveNext(), ++n) {
        const QString id = NullToText(ports.value(kIdAvailable));
        for (form::ListBox* list : lists)
            list->addItem(id);
        if (IsUsable(ports.value(kStatus)) && id == standPort)
            standEntry = n;
    }
    if (comboConnection.count() > 0)
        comboConnection.setCurrentIndex(standEntry < 0 ? 0 : standEntry);
}

void Connections::choosePort(form::ListBox& list) {
    if (!m_editor.isLive())
        return;
    const QString port = list.text();
    QList<const Device*> devices;
    if (&list == &comboConnection)
        devices = {&kStand};
    else if (&list == &comboConnectionAotf)
        devices = {&kAotfDriver};
    else if (&list == &comboConnectionAom)
        devices = {&kNloAomDriver};
    else if (&list == &comboConnectionUvLaser)
        devices = {&kEnterprise, &kKrypton};
    else if (&list == &comboConnectionNloLaser)
        devices = {&kMaiTai, &kChameleon};
    else
        devices = {&kPiezoStage};

    const PortListsDisabled disabled(m_editor, {&comboConnection, &comboConnectionAotf,
                                                &comboConnectionAom, &comboConnectionUvLaser,
                                                &comboConnectionNloLaser, &comboConnectionPiezo});
    m_editor.setMessage(QString());
    db::Database& work = m_editor.work();
    const Device* last = nullptr;
    QString old;
    for (const Device* device : devices) {
        // The stand and the piezo stage take the port whenever they have a row; the drivers and
        // lasers only while they are switched on.
        const DeviceRow row = rowOf(*device);
        const bool takesPort = device->canBus || device == &kPiezoStage ? row.exists : row.usable;
        if (!takesPort)
            continue;
        old = row.port;
        if (device->canBus)
            WriteFieldAll(work, kAvailableInterfaces, kIdPotential, kCanBus, kControl, port);
        else
            WriteField(work, device->table, kIdAvailable, device->id, kControl, port);
        CheckPortConflicts(nameOf(*device), port);
        last = device;
    }
    // A choice that reached no device names no port: nothing is released or marked in use.
    if (!last)
        return;
    if (!old.isEmpty())
        SetPortInUse(old, false, last->kind);
    SetPortInUse(port, true, last->kind);
    RemarkUsedPorts(last->canBus ? kMicroscope : last->kind);
}

void Connections::SetPortInUse(const QString& port, bool on, const QString& kind) {
    if (port.isEmpty()) {
        m_editor.setMessage(u"No Interface"_s);
        return;
    }
    db::Database& work = m_editor.work();
    if (on && !kind.isEmpty()) {
        db::Recordset settings = m_editor.templ().OpenRecordset(
            u"SELECT * FROM [Available Interfaces COM] WHERE [ID Device] = ?"_s, {kind});
        db::Recordset row = work.OpenRecordset(
            u"SELECT * FROM [Available Interfaces] WHERE [ID Available] = ?"_s, {port});
        // Without settings for the kind the port keeps the ones it has.
        if (!settings.eof() && !row.eof()) {
            row.edit();
            for (const QString& field : row.fieldNames()) {
                if (field.compare(u"Address"_s, Qt::CaseInsensitive) == 0 ||
                    field.compare(kIdAvailable, Qt::CaseInsensitive) == 0 ||
                    field.compare(u"ID Device"_s, Qt::CaseInsensitive) == 0 ||
                    !settings.hasField(field))
                    continue;
                row.setValue(field, settings.value(field));
            }
            row.update();
        }
    }
    SetStatus(work, kAvailableInterfaces, kIdAvailable, port, on ? kStatusInUse : kStatusOff);
}

void Connections::CheckPortConflicts(const QString& device, const QString& port) {
    if (port.isEmpty())
        return;
    for (const Device* other : kConflictOrder) {
        if (nameOf(*other) == device)
            continue;
        const DeviceRow row = rowOf(*other);
        if (!row.usable || row.port != port)
            continue;
        m_editor.setMessage(other->conflictMessage);
        m_editor.WaitMs(2000);
    }
}

void Connections::RemarkUsedPorts(const QString& key) {
    db::Database& work = m_editor.work();
    for (const Device* device : kRemarkOrder) {
        if ((device->canBus ? kMicroscope : device->kind) == key)
            continue;
        if (device->canBus) {
            // The stand is marked again through the port of its node CANI.
            const QString node = u"CANI"_s;
            if (!RecordExists(work, kAvailableInterfaces, kIdAvailable, node))
                continue;
            SetPortInUse(
                NullToText(ReadField(work, kAvailableInterfaces, kIdAvailable, node, kControl)),
                true, device->kind);
        } else if (const DeviceRow row = rowOf(*device); row.usable) {
            SetPortInUse(row.port, true, device->kind);
        }
    }
}

void Connections::showPiezoPort(bool piezoOption) {
    const editor::Quiet quiet(m_editor);
    if (piezoOption) {
        const QString port = rowOf(kPiezoStage).port;
        if (!comboConnectionPiezo.selectText(port))
            comboConnectionPiezo.setCurrentIndex(-1);
        comboConnectionPiezo.setEnabled(true);
    } else {
        comboConnectionPiezo.setCurrentIndex(-1);
        comboConnectionPiezo.setEnabled(false);
    }
}

} // namespace devices
