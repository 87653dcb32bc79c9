#include "ui/main/MainWindow.h"

#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "ui/main/MainGridView.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
#include <QKeyEvent>

void MainWindow::buildSuggestionPanel() {
    suggestions_ = new SuggestionPanel(program_, central_);
    designedTableWidth_ = grid_->width();
    connect(suggestions_->toggleAction(), &QAction::toggled, this, [this] { render(); });
}

int MainWindow::suggestionPanelWidth() const {
    return suggestions_ != nullptr && !suggestions_->isHidden() ? SuggestionPanel::kWidth : 0;
}

// The panel takes its width from the pairing table, whose size the layout
// rules give for the whole window: the table is narrowed by the panel and
// its columns shared out over what is left. With the panel hidden this is
// the layout's own inner width.
bool MainWindow::fitTableBesidePanel() {
    // Until the layout rules size the table it keeps its designed width.
    const int whole = layout_.gridWidth > 0
                          ? (layout_.gridWidth + kTwipsPerPixel / 2) / kTwipsPerPixel
                          : designedTableWidth_;
    const int panel = suggestionPanelWidth();
    grid_->resize(whole - panel, grid_->height());
    suggestions_->setGeometry(grid_->geometry().right() + 6, grid_->y(),
                              SuggestionPanel::kWidth - 6, grid_->height());
    if (panel == 0 && layout_.gridWidth <= 0) {
        return false; // the table as it always was
    }
    const int inner = (layout_.gridWidth > 0 ? layout_.gridWidth : whole * kTwipsPerPixel) -
                      (panel + grid_->columnWidth(0)) * kTwipsPerPixel;
    // The totals view is drawn by its own command; it keeps its columns.
    if (inner != program_.view.gridInnerWidth && program_.state.viewState != 2) {
        program_.view.gridInnerWidth = inner;
        buildPairingTable(program_);
        return true;
    }
    return false;
}

// Every redraw fits the table again: the layout rules may have given it
// the whole width since.
void MainWindow::renderSuggestions() {
    const bool shownOrHidden = suggestions_->refresh();
    if (relayingOut_) {
        return;
    }
    relayingOut_ = true;
    if (fitTableBesidePanel() || shownOrHidden) {
        render();
    }
    relayingOut_ = false;
}

bool MainWindow::chooseSuggestionByKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && event.modifiers() == Qt::NoModifier && suggestions_->chooseCurrent();
}
