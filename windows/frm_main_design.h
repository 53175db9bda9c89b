// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the main window: every widget with its kind, name, caption, place and size in
// twips, colours, fonts and flags, and the seven instances of the program's own controls
// created from their stored property sets. setupUi builds it on a window, in the order of the
// window's tab indices, so the focus moves through the widgets in that order.
// Window layouts (windows/).
#pragma once

#include <QString>
#include <array>

class QPushButton;
class QWidget;

namespace tavimor {

class BooleanBox;
class MultiOption;
class NumInputBoxR;
class CaptionFrame;
class CaptionLabel;
class ControlHost;
class DrillTimer;
class ImageBox;
class SortedListBox;

class frmMainDesign {
public:
    // Creates and places every widget on `form`; the control instances use `host`.
    void setupUi(QWidget *form, ControlHost *host);

    // Question and answer settings.
    MultiOption *mopQuestionType = nullptr;
    MultiOption *mopAnswerType = nullptr;
    BooleanBox *chkUseTimer = nullptr;
    std::array<CaptionLabel *, 2> lblTimeLimit{};
    NumInputBoxR *txtTimeLimit = nullptr;
    BooleanBox *chkOmitPushAnswer = nullptr;
    BooleanBox *chkShowAnswer = nullptr;
    QPushButton *cmdInitialize = nullptr;

    // Question display.
    CaptionLabel *Label1 = nullptr;
    CaptionLabel *lblAminoAcid = nullptr;
    ImageBox *imgAminoAcid = nullptr;
    QPushButton *cmdQuestion = nullptr;
    CaptionLabel *lblRightAnswer = nullptr;
    CaptionLabel *lblBadAnswer = nullptr;
    CaptionLabel *lblAnswerLabel = nullptr;
    CaptionLabel *lblAnswer = nullptr;

    // Timed run and table.
    QPushButton *cmdStartQuestion = nullptr;
    QPushButton *cmdEndQuestion = nullptr;
    QPushButton *cmdShowTable = nullptr;
    DrillTimer *Timer1 = nullptr;

    // Score frame.
    CaptionFrame *Frame1 = nullptr;
    CaptionLabel *lblRigthAnswerNumber = nullptr;
    CaptionLabel *Label5 = nullptr;
    CaptionLabel *lblQuestionNumber = nullptr;
    CaptionLabel *Label3 = nullptr;
    CaptionLabel *lblRigthAnswerPercent = nullptr;
    CaptionLabel *Label4 = nullptr;

    // Answering.
    MultiOption *mopAnswer = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QPushButton *cmdExit = nullptr;

    // The hidden, sorted list that orders the answer options.
    SortedListBox *lstSort = nullptr;
};

}  // namespace tavimor
