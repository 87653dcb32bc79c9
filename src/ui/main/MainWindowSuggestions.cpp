#include "ui/main/MainWindow.h"

#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "ui/main/MainGridView.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
#include <QKeyEvent>

void MainWindow::buildSuggestionPanel() {
    suggestions_ = new SuggestionPanel(program_, this);
    addDockWidget(Qt::RightDockWidgetArea, suggestions_);
    connect(suggestions_->toggleAction(), &QAction::toggled, this, [this] { render(); });
}

int MainWindow::suggestionPanelWidth() const {
    return suggestions_ != nullptr && !suggestions_->isHidden() ? SuggestionPanel::kWidth : 0;
}

// The panel takes its width from the pairing table, whose size the layout
// rules give for the whole window: the table is narrowed by the panel and
// its columns shared out over what is left. With the panel hidden this is
// the layout's own inner width.
void MainWindow::fitTableBesidePanel() {
    if (layout_.gridWidth <= 0 || layout_.gridHeight <= 0) {
        return;
    }
    const int panel = suggestionPanelWidth();
    grid_->resize((layout_.gridWidth + kTwipsPerPixel / 2) / kTwipsPerPixel - panel,
                  grid_->height());
    const int inner = layout_.gridWidth - (panel + grid_->columnWidth(0)) * kTwipsPerPixel;
    // The totals view is drawn by its own command; it keeps its columns.
    if (inner != program_.view.gridInnerWidth && program_.state.viewState != 2) {
        program_.view.gridInnerWidth = inner;
        buildPairingTable(program_);
    }
}

// When the panel appears or goes the table is fitted again.
void MainWindow::renderSuggestions() {
    if (!suggestions_->refresh() || relayingOut_) {
        return;
    }
    relayingOut_ = true;
    fitTableBesidePanel();
    render();
    relayingOut_ = false;
}

bool MainWindow::chooseSuggestionByKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && event.modifiers() == Qt::NoModifier && suggestions_->chooseCurrent();
}
