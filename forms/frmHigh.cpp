#include "forms/frmHigh.h"

#include "platform/appPath.h"
#include "platform/dialogs.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

// Design places and sizes, in pixels of the client area.
constexpr QSize clientSize{416, 456};
constexpr QRect lblPlayerDesign{16, 24, 217, 25}; // row 0; row i lies rowStep * i lower
constexpr QRect lblScoreDesign{240, 24, 169, 25}; // row 0; row i lies rowStep * i lower
constexpr int rowStep = 40;                       // pixels from one row to the next
constexpr QRect cmdClearDesign{192, 424, 105, 25};
constexpr QRect cmdCloseDesign{304, 424, 105, 25};

// Captions the labels are designed with; the window blanks them before it first shows.
constexpr const char* lblPlayerDesignText = "DDDDDDDDDDDDDDDDDD";
constexpr const char* lblScoreDesignText = "00000000000000";

constexpr const char* labelFontFamily = "MS Sans Serif"; // the toolkit substitutes a sans font
constexpr int labelFontPoints = 12;                      // points, regular weight

} // namespace

frmHigh::frmHigh(QWidget* owner) : QDialog(owner) {
    buildControls();
    Form_Load();
}

void frmHigh::buildControls() {
    setWindowTitle(tr("High Scores"));
    setModal(true);
    setFixedSize(clientSize);

    QFont labelFont(labelFontFamily, labelFontPoints, QFont::Normal);
    auto makeLabel = [this, &labelFont](const QString& name, const char* caption,
                                        const QRect& place) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        // Names are shown as typed, never taken for markup.
        label->setTextFormat(Qt::PlainText);
        label->setFont(labelFont);
        label->setGeometry(place);
        return label;
    };
    for (std::size_t i = 0; i < highScoreTable::entryCount; ++i) {
        const int down = rowStep * static_cast<int>(i);
        lblPlayer[i] = makeLabel(QString("lblPlayer%1").arg(i), lblPlayerDesignText,
                                 lblPlayerDesign.translated(0, down));
        lblScore[i] = makeLabel(QString("lblScore%1").arg(i), lblScoreDesignText,
                                lblScoreDesign.translated(0, down));
        lblScore[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto makeButton = [this](const char* name, const QString& caption, const QRect& place) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(place);
        return button;
    };
    cmdClear = makeButton("cmdClear", tr("Clear"), cmdClearDesign);
    cmdClose = makeButton("cmdClose", tr("Close"), cmdCloseDesign);
    connect(cmdClear, &QPushButton::clicked, this, &frmHigh::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmHigh::cmdClose_Click);

    // "Close" comes first, so it has the focus when the window opens.
    QWidget::setTabOrder(cmdClose, cmdClear);
}

// --- Load and activate -------------------------------------------------------------------------

void frmHigh::Form_Load() {
    const platform::DataFilePlace place = platform::dataFilePlace(highScoreTable::fileName);
    scoreFile.path = place.path;
    scoreFile.startingPath = place.startingPath;
    highScoreTable::clearTable(highScores);
    loadScores();
}

void frmHigh::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmHigh::Form_Activate() {
    highScoreTable::refreshTable(scoreFile, highScores);
    clearLabels();
    showScores();
    cmdClose->setFocus();
}

// --- Public methods ----------------------------------------------------------------------------

bool frmHigh::isHighScore(const std::int32_t& score) {
    highScoreTable::refreshTable(scoreFile, highScores);
    return highScoreTable::isHighScore(highScores, score);
}

// A score that beats no entry has no place: nothing changes and nothing is written.
void frmHigh::addScore(const std::int32_t& score, const std::string& playerName) {
    warn(highScoreTable::addScore(scoreFile, highScores, score,
                                  highScoreTable::storedName(playerName)));
    // The merged table may hold fewer entries than the rows show, after a clear by another copy.
    clearLabels();
    showScores();
}

// --- Buttons -----------------------------------------------------------------------------------

void frmHigh::cmdClear_Click() {
    warn(highScoreTable::clearScores(scoreFile, highScores));
    clearLabels();
}

void frmHigh::cmdClose_Click() {
    hide();
}

// --- Table, file and rows ----------------------------------------------------------------------

void frmHigh::loadScores() {
    warn(highScoreTable::loadTable(scoreFile, highScores));
    showScores();
}

// Fills the rows of the entries that hold a score; the other rows are left as they are.
void frmHigh::showScores() {
    for (std::size_t i = 0; i < highScoreTable::entryCount; ++i) {
        const highScoreTable::HighScore& entry = highScores[i];
        if (entry.score == 0)
            continue;
        lblPlayer[i]->setText(QString::fromStdString(highScoreTable::shownName(entry.playerName)));
        lblScore[i]->setText(QString::fromStdString(highScoreTable::shownScore(entry.score)));
    }
}

void frmHigh::clearLabels() {
    for (std::size_t i = 0; i < highScoreTable::entryCount; ++i) {
        lblScore[i]->clear();
        lblPlayer[i]->clear();
    }
}

// Shows a warning of the table's file; an empty text is no warning.
void frmHigh::warn(const std::string& text) {
    if (text.empty())
        return;
    platform::msgBox(text, platform::vbExclamation, windowTitle().toStdString());
}
