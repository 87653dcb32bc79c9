#pragma once

#include <QString>

#include <array>
#include <filesystem>

class QGroupBox;
class QLabel;
class QWidget;
struct MatchSides;

// The two sides of a match face to face, as the pairing confirmation and
// the result entry show them: a frame per side with its team name (Label2,
// Label5), its members' short names (Label3, Label4; Label6, Label7) and
// photographs (Picture1, Picture2; Picture3, Picture4), and "ＶＳ" (Label8)
// between them.
class MatchSidesWidgets {
public:
    explicit MatchSidesWidgets(QWidget* parent);

    QGroupBox* frame(int side) const { return frames_.at(static_cast<std::size_t>(side)); }
    QLabel* versus() const { return versus_; }

    // Fills the controls; a picture whose file was not found keeps what it
    // showed.
    void show(const MatchSides& sides, const std::filesystem::path& workDir);

private:
    std::array<QGroupBox*, 2> frames_{};
    std::array<QLabel*, 2> teamNames_{};
    std::array<QLabel*, 4> names_{};
    std::array<QLabel*, 4> pictures_{};
    QLabel* versus_ = nullptr;
};
