#include "ui/main/MainWindow.h"

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
// rules give for the whole window; the table shares its columns out over
// what is left (MainGridView fits them to its width).
void MainWindow::fitTableBesidePanel() {
    // Until the layout rules size the table it keeps its designed width.
    const int whole = layout_.gridWidth > 0
                          ? (layout_.gridWidth + kTwipsPerPixel / 2) / kTwipsPerPixel
                          : designedTableWidth_;
    grid_->resize(whole - suggestionPanelWidth(), grid_->height());
    suggestions_->setGeometry(grid_->geometry().right() + 6, grid_->y(),
                              SuggestionPanel::kWidth - 6, grid_->height());
}

// Every redraw fits the table again: the layout rules may have given it
// the whole width since.
void MainWindow::renderSuggestions() {
    suggestions_->refresh();
    fitTableBesidePanel();
}

bool MainWindow::chooseSuggestionByKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && event.modifiers() == Qt::NoModifier && suggestions_->chooseCurrent();
}
