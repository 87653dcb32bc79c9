#include "ui/dialogs/MatchSidesWidgets.h"

#include "matching/MatchSides.h"
#include "matching/PairingConfirmation.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/PictureFit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kPictureWidth = 96;
constexpr int kPictureHeight = 120;

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MatchSidesWidgets::MatchSidesWidgets(QWidget* parent) {
    const std::array<const char*, 2> teamLabels = {"Label2", "Label5"};
    const std::array<const char*, 4> nameLabels = {"Label3", "Label4", "Label6", "Label7"};
    const std::array<const char*, 4> pictureBoxes = {"Picture1", "Picture2", "Picture3",
                                                     "Picture4"};
    for (std::size_t side = 0; side < 2; ++side) {
        auto* frame = new QGroupBox(parent);
        frame->setObjectName(QStringLiteral("Frame%1").arg(side + 1));
        auto* layout = new QGridLayout(frame);
        teamNames_.at(side) = makeLabel(frame, teamLabels.at(side));
        QFont bold = teamNames_.at(side)->font();
        bold.setBold(true);
        teamNames_.at(side)->setFont(bold);
        layout->addWidget(teamNames_.at(side), 0, 0, 1, 2);
        for (std::size_t member = 0; member < 2; ++member) {
            const std::size_t index = side * 2 + member;
            auto* picture = makeLabel(frame, pictureBoxes.at(index));
            picture->setFixedSize(kPictureWidth, kPictureHeight);
            picture->setFrameShape(QFrame::Panel);
            picture->setFrameShadow(QFrame::Sunken);
            pictures_.at(index) = picture;
            names_.at(index) = makeLabel(frame, nameLabels.at(index));
            layout->addWidget(picture, 1, static_cast<int>(member), Qt::AlignCenter);
            layout->addWidget(names_.at(index), 2, static_cast<int>(member));
        }
        frames_.at(side) = frame;
    }
    versus_ = makeLabel(parent, "Label8");
    versus_->setText(toQString(kVersusText));
    QFont large = versus_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    versus_->setFont(large);
}

void MatchSidesWidgets::show(const MatchSides& sides, const std::filesystem::path& workDir) {
    for (std::size_t side = 0; side < 2; ++side) {
        teamNames_.at(side)->setText(toQString(sides.teamNames.at(side)));
    }
    for (std::size_t index = 0; index < 4; ++index) {
        names_.at(index)->setText(toQString(sides.memberNames.at(index)));
        const PictureLookup& picture = sides.pictures.at(index);
        if (picture.found) {
            const QPixmap fitted =
                fitPicture(QString::fromStdString((workDir / picture.fileName).string()),
                           {kPictureWidth - 4, kPictureHeight - 4}, *pictures_.at(index));
            if (!fitted.isNull()) {
                pictures_.at(index)->setPixmap(fitted);
            }
        }
    }
    // Singles shows one member per side.
    for (std::size_t index : {std::size_t{1}, std::size_t{3}}) {
        names_.at(index)->setVisible(sides.partnersShown);
        pictures_.at(index)->setVisible(sides.partnersShown);
    }
}
