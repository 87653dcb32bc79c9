#include "ui/dialogs/JapaneseFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The first installed family of the list that writes Japanese, else the
// fallback.
QFont firstInstalled(const QStringList& families, const QFont& fallback, qreal pointSize) {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : families) {
        if (japanese.contains(family)) {
            QFont font(family);
            font.setPointSizeF(pointSize);
            return font;
        }
    }
    QFont font = fallback;
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont japaneseFixedFont(qreal pointSize) {
    static const QStringList families = {QStringLiteral("MS Gothic"),
                                         QStringLiteral("ＭＳ ゴシック"),
                                         QStringLiteral("IPAGothic"),
                                         QStringLiteral("IPAゴシック"),
                                         QStringLiteral("Noto Sans Mono CJK JP"),
                                         QStringLiteral("VL Gothic"),
                                         QStringLiteral("TakaoGothic"),
                                         QStringLiteral("Osaka－等幅")};
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setStyleHint(QFont::TypeWriter);
    return firstInstalled(families, fallback, pointSize);
}

QFont japaneseTextFont(qreal pointSize) {
    static const QStringList families = {
        QStringLiteral("Meiryo UI"),        QStringLiteral("MS UI Gothic"),
        QStringLiteral("IPAPGothic"),       QStringLiteral("IPA Pゴシック"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
        QStringLiteral("VL PGothic"),       QStringLiteral("TakaoPGothic")};
    return firstInstalled(families, QFontDatabase::systemFont(QFontDatabase::GeneralFont),
                          pointSize);
}
