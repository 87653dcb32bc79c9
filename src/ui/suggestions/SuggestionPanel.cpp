#include "ui/suggestions/SuggestionPanel.h"

#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "suggestions/SuggestionText.h"

#include <QAction>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QString toQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

} // namespace

SuggestionPanel::SuggestionPanel(Program& program, QWidget* parent)
    : QGroupBox(QStringLiteral("次の試合の提案"), parent), program_(program) {
    setObjectName(QStringLiteral("fraSuggestions"));
    setAutoFillBackground(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstSuggestions"));
    list_->setWordWrap(true);
    list_->setAlternatingRowColors(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, [this] { chooseCurrent(); });

    toggle_ = new QAction(QStringLiteral("次の試合の提案(&S)"), this);
    toggle_->setObjectName(QStringLiteral("mndspSuggest"));
    toggle_->setCheckable(true);
    toggle_->setChecked(suggestionPanelWanted(program_.settings));
    connect(toggle_, &QAction::toggled, this,
            [this](bool shown) { rememberSuggestionPanel(program_.settings, shown); });
    setVisible(wanted());
}

bool SuggestionPanel::wanted() const {
    return toggle_->isChecked() && suggestionsApply(program_.state);
}

void SuggestionPanel::refresh() {
    const bool shown = wanted();
    setVisible(shown);
    suggestions_ = shown && suggestionsDrawable(program_.state)
                       ? currentSuggestions(program_, kShown)
                       : std::vector<Suggestion>{};
    list_->clear();
    for (const Suggestion& s : suggestions_) {
        QString text = toQString(suggestionCaption(program_.state, s));
        for (const std::u16string& reason : s.reasons) {
            text += QStringLiteral("\n") + toQString(reason);
        }
        list_->addItem(text);
    }
    if (!suggestions_.empty()) {
        list_->setCurrentRow(0);
    }
}

bool SuggestionPanel::chooseCurrent() {
    const int row = list_->currentRow();
    if (isHidden() || row < 0 || row >= static_cast<int>(suggestions_.size())) {
        return false;
    }
    // A copy: the redraw that follows the pick replaces the list.
    const Suggestion suggestion = suggestions_[static_cast<std::size_t>(row)];
    emit chosen(suggestion);
    return true;
}
