#include "HeadFrames.h"

#include <editor/Editor.h>
#include <records/RecordHelpers.h>

namespace scanhead {

using records::kIdAvailable;
using records::NullToText;
using records::ReadField;

HeadFrames::HeadFrames(editor::Editor& editor)
    : editor::Declarations(editor.main()), m_editor(editor) {}

void HeadFrames::readHeads(const QString& versionText, const QString& scanUnit) {
    editor::ReadoutFlags& flags = m_editor.flags();
    form::TabControl& tabs = m_editor.tabs();

    frameHeadCaption.setCaption(flags.entryLevelHead ? u"KESTRO Head"_s : kVtxHead);
    checkSpekro.setEnabled(!flags.entryLevelHead);
    checkSpekro.setChecked(flags.spectralHead);

    if (!flags.invertedStand) {
        optionHeadUpright.setEnabled(true);
        optionHeadUpright.setSelected(true);
        checkSpekro.setEnabled(!flags.entryLevelHead);
        optionHeadSideport.setEnabled(false);
        optionHeadBaseport.setEnabled(false);
    } else {
        optionHeadSideport.setEnabled(true);
        optionHeadBaseport.setEnabled(true);
        flags.letterS = versionText.contains(u'S', Qt::CaseInsensitive);
        if (scanUnit.isEmpty() || scanUnit == u"None"_s || scanUnit == u"none"_s) {
            optionHeadNone.setSelected(true);
            checkSpekro.setEnabled(false);
            tabs.setPageEnabled(editor::PageScanHead, false);
            m_scanHeadRemoved = true;
        } else {
            tabs.setPageEnabled(editor::PageScanHead, true);
            (flags.letterS ? optionHeadSideport : optionHeadBaseport).setSelected(true);
            checkSpekro.setEnabled(!flags.entryLevelHead);
        }
        optionHeadUpright.setEnabled(false);
    }

    // The FCS head sits on a port of an inverted stand, beside a full scan head only.
    const bool fcsPorts = flags.invertedStand && !flags.entryLevelHead;
    optionFcsSideport.setEnabled(fcsPorts);
    optionFcsBaseport.setEnabled(fcsPorts);
    tabs.setPageEnabled(editor::PageFcs, fcsPorts);
    if (!flags.fcsUnit) {
        optionFcsNone.setSelected(true);
        optionHeadNone.setEnabled(false);
        if (flags.entryLevelHead) {
            optionFcsSideport.setEnabled(false);
            optionFcsBaseport.setEnabled(false);
        }
        tabs.setPageEnabled(editor::PageFcs, false);
    } else if (flags.scanUnit) {
        (flags.letterS ? optionFcsBaseport : optionFcsSideport).setSelected(true);
        optionFcsNone.setEnabled(true);
    } else {
        (flags.letterS ? optionFcsSideport : optionFcsBaseport).setSelected(true);
        optionFcsNone.setEnabled(false);
    }
    optionHeadNone.setEnabled(!fcsNone());
}

void HeadFrames::readLaserRange() {
    db::Database& work = m_editor.work();
    comboSpekroType.clear();
    for (const char* entry : {"Vis", "Vis/UV", "Vis/IR"})
        comboSpekroType.addItem(QString::fromLatin1(entry));
    comboSpekroType.setEnabled(!m_editor.flags().entryLevelHead);
    const QString aoms = records::kAvailableAoms;
    auto inUse = [&](const QString& id) {
        return NullToText(ReadField(work, aoms, kIdAvailable, id, records::kStatus)) !=
               records::kStatusOff;
    };
    if (inUse(u"AOM NLO"_s))
        comboSpekroType.setCurrentIndex(2);
    else if (inUse(u"AOTF UV"_s))
        comboSpekroType.setCurrentIndex(1);
    else
        comboSpekroType.setCurrentIndex(0);
}

void HeadFrames::readImageFlip() {
    editor::ReadoutFlags& flags = m_editor.flags();
    auto flip = [&](const QString& field) {
        return ReadField(m_editor.work(), records::kAvailableDsps, kIdAvailable, u"Dsp1"_s, field)
            .toBool();
    };
    flags.exchangeXY = flip(records::kExchangeXY);
    flags.mirrorX = flip(records::kMirrorX);
    flags.mirrorY = flip(records::kMirrorY);
    checkImageFlip.setChecked(flags.exchangeXY || flags.mirrorX || flags.mirrorY);
}

} // namespace scanhead
