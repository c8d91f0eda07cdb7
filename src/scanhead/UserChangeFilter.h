#pragma once

#include <QList>
#include <QStringList>
#include <array>
#include <editor/Page.h>
#include <functional>

namespace editor {
class Editor;
struct FilterDialogContext;
} // namespace editor

namespace scanhead {

using namespace Qt::StringLiterals;

// The filter-position control: one wheel's positions, a button and a label each, with the choice
// between filter names and code numbers. A position button opens the filter catalogue through
// the shared filter-dialog context, puts the chosen filter on the position and keeps it among
// the favourites. Each owner holds an instance whose controls carry the instance's name in front
// ("UserChangeFilter1.CmdPos(0)").
class UserChangeFilter : public editor::Declarations {
public:
    static constexpr int kPositions = 8;

    // Declares the controls of the instance in the owner's frame.
    UserChangeFilter(editor::Editor& editor, editor::FilterDialogContext& context, form::Form& form,
                     const QString& instance, const editor::Frame& within);

    // The catalogue browser, shown modally; it leaves its choice in the context.
    void setCatalogue(std::function<void()> showFilterCatalogue) {
        m_showCatalogue = std::move(showFilterCatalogue);
    }
    // Told once a filter chosen in the browser was placed on a position, for what shows the
    // wheel's filters elsewhere.
    void setPlaced(std::function<void()> placed) { m_placed = std::move(placed); }

    // Shows positions 1 to `positions` of the wheel; the first `typeCount` types are the ones
    // its positions may take.
    void Choose(int positions, const QString& wheel, int typeCount, const QStringList& types);
    // The positions from the placements of the wheel.
    void redraw();

    int positions() const { return m_positions; }
    const QString& wheel() const { return m_wheel; }
    const QStringList& types() const { return m_types; }

private:
    void CmdPosClicked(int index);
    void keepFavourite(const QString& filter);

    editor::Editor& m_editor;
    editor::FilterDialogContext& m_context;
    std::function<void()> m_showCatalogue;
    std::function<void()> m_placed;
    int m_positions = 0;
    QString m_wheel;
    QStringList m_types;
    // The filter on each position as last drawn. The shared context takes them when a position
    // is clicked: another control drawn meanwhile (a page read after an error in the browser)
    // must not change the choice under way.
    std::array<QString, kPositions> m_current;

    const QList<form::Button*> cmdPos = buttons(u"CmdPos"_s, kPositions);
    const QList<form::Label*> lFilter = labels(u"LFilter"_s, kPositions);
    form::OptionButton& optionFitername = option(u"OptionFitername"_s, u"Filter Name"_s, kShown);
    form::OptionButton& optionFiterId = option(u"OptionFiterId"_s, u"Order Number"_s, kShown);

    static inline const QString kShown = QStringLiteral("Shown");
};

} // namespace scanhead
