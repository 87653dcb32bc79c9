#pragma once

#include <QObject>

class QLineEdit;

// Discards, in a score box, every key press whose character code is above
// 65; keys without a character (arrows, Delete) pass. Input methods are
// switched off so composed text cannot slip past the filter.
class ScoreKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit ScoreKeyFilter(QObject* parent) : QObject(parent) {}

    void watch(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
