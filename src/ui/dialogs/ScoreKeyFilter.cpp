#include "ui/dialogs/ScoreKeyFilter.h"

#include "app/ResultEntry.h"

#include <QKeyEvent>
#include <QLineEdit>

void ScoreKeyFilter::watch(QLineEdit* box) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool ScoreKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !acceptsScoreKey(text.at(0).unicode())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
