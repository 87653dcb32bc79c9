#pragma once

#include "suggestions/SuggestionEngine.h"

#include <QGroupBox>

#include <vector>

class Program;
class QAction;
class QListWidget;

// The panel beside the pairing table: the top three next-match suggestions
// with their reasons. Enter or a double-click on one hands it on (chosen);
// the 表示 menu's item (toggleAction) shows or hides the panel and the
// choice is kept in the settings. Hidden while an earlier meeting is shown,
// empty while the totals are.
class SuggestionPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kWidth = 280; // pixels, the gap to the table included
    static constexpr int kShown = 3;

    SuggestionPanel(Program& program, QWidget* parent);

    QAction* toggleAction() const { return toggle_; }

    // Shows or hides the panel and recomputes the suggestions.
    void refresh();

    // Hands on the highlighted suggestion (the first unless another was
    // picked in the list); false when none is on screen.
    bool chooseCurrent();

signals:
    void chosen(const Suggestion& suggestion);

private:
    bool wanted() const;

    Program& program_;
    QListWidget* list_ = nullptr;
    QAction* toggle_ = nullptr;
    std::vector<Suggestion> suggestions_;
};
