#include "FirmwarePage.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace devices {

using namespace records;

namespace {

const QString kLasers = u"Available Lasers"_s;
const QString kVersion = u"Version"_s;
const QString kAddress = u"Address"_s;
const QString kScsiAdapter = u"HCS1"_s;
const QStringList kLasersWithFirmware = {u"Mai Tai"_s, u"Enterprise"_s, u"Krypton 413"_s,
                                         u"Chameleon"_s};

// Fills a list with the usable rows of a table that `belongs` accepts; the first one's version
// goes into the box. Returns whether any row was added.
template <class Accept>
bool fillVersions(db::Database& work, const QString& table, form::ListBox& list,
                  form::TextBox& version, Accept belongs) {
    list.clear();
    bool first = true;
    for (db::Recordset rows = work.OpenRecordset(table); !rows.eof(); rows.moveNext()) {
        if (!IsUsable(rows.value(kStatus)) || !belongs(NullToText(rows.value(kIdPotential))))
            continue;
        list.addItem(NullToText(rows.value(kIdAvailable)));
        if (first)
            version.setText(NullToText(rows.value(kVersion)));
        first = false;
    }
    if (list.count() > 0)
        list.setCurrentIndex(0);
    return !first;
}

} // namespace

FirmwarePage::FirmwarePage(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor) {
    editor.addPageReadout(editor::PageFirmware, [this] { FirmwareReadout(); });
    comboCanNode.setHandler([this] { chooseNode(); });
    comboLaser.setHandler([this] { chooseLaser(); });
    eFwVersion.setHandler([this] { cmdStoreFwVersion.setEnabled(true); });
    eFwVersionLaser.setHandler([this] { cmdStoreLaserFwVersion.setEnabled(true); });
    eScsi.setHandler([this] { cmdSetScsi.setEnabled(true); });
    cmdStoreFwVersion.setHandler([this] { storeNodeVersion(); });
    cmdStoreLaserFwVersion.setHandler([this] { storeLaserVersion(); });
    cmdSetScsi.setHandler([this] { setScsi(); });
}

void FirmwarePage::FirmwareReadout() {
    db::Database& work = m_editor.work();
    fillVersions(work, kAvailableInterfaces, comboCanNode, eFwVersion,
                 [](const QString& kind) { return kind == u"CanBusMk1"_s; });
    cmdStoreFwVersion.setEnabled(false);
    fillVersions(work, kLasers, comboLaser, eFwVersionLaser,
                 [](const QString& kind) { return kLasersWithFirmware.contains(kind); });
    cmdStoreLaserFwVersion.setEnabled(false);
}

void FirmwarePage::chooseNode() {
    if (!m_editor.isLive() || comboCanNode.currentIndex() < 0)
        return;
    // The row a list entry names is the first of that name.
    const Row row = FirstRowByKey(m_editor.work(), kAvailableInterfaces, kIdAvailable,
                                  comboCanNode.text(), {kVersion, kSummary});
    if (!row.exists())
        return;
    eFwVersion.setText(NullToText(row.value(kVersion)));
    lSummary.setCaption(NullToText(row.value(kSummary)));
    cmdStoreFwVersion.setEnabled(false);
}

void FirmwarePage::chooseLaser() {
    if (!m_editor.isLive() || comboLaser.currentIndex() < 0)
        return;
    const Row row =
        FirstRowByKey(m_editor.work(), kLasers, kIdAvailable, comboLaser.text(), {kVersion});
    if (!row.exists())
        return;
    eFwVersionLaser.setText(NullToText(row.value(kVersion)));
    cmdStoreLaserFwVersion.setEnabled(false);
}

void FirmwarePage::storeNodeVersion() {
    // With no node in the list there is no row to write to.
    if (comboCanNode.currentIndex() >= 0)
        WriteField(m_editor.work(), kAvailableInterfaces, kIdAvailable, comboCanNode.text(),
                   kVersion, eFwVersion.text());
    cmdStoreFwVersion.setEnabled(false);
}

void FirmwarePage::storeLaserVersion() {
    if (comboLaser.currentIndex() >= 0)
        WriteField(m_editor.work(), kLasers, kIdAvailable, comboLaser.text(), kVersion,
                   eFwVersionLaser.text());
    cmdStoreLaserFwVersion.setEnabled(false);
}

void FirmwarePage::readScsiAdapter() {
    const QString address = NullToText(
        ReadField(m_editor.work(), kAvailableInterfaces, kIdAvailable, kScsiAdapter, kAddress));
    eScsi.setText(address.size() >= 3 ? address.mid(address.size() - 3, 1) : QString());
}

void FirmwarePage::disableSetScsi() {
    cmdSetScsi.setEnabled(false);
}

void FirmwarePage::setScsi() {
    db::Database& work = m_editor.work();
    QString address =
        NullToText(ReadField(work, kAvailableInterfaces, kIdAvailable, kScsiAdapter, kAddress));
    const QString id = eScsi.text();
    if (!id.isEmpty()) {
        // The id is the character third from the end; a shorter address has no place for it.
        if (address.size() < 3) {
            m_editor.setMessage(
                u"The address \"%1\" of the SCSI adapter HCS1 is too short to hold an id; it "
                "stays as it is."_s.arg(address));
        } else {
            address[address.size() - 3] = id.at(0);
            WriteField(work, kAvailableInterfaces, kIdAvailable, kScsiAdapter, kAddress, address);
        }
    }
    cmdSetScsi.setEnabled(false);
}

} // namespace devices
