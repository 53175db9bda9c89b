// SPDX-License-Identifier: GPL-3.0-or-later
// Window layouts (windows/): see frm_main_design.h.
#include "frm_main_design.h"

#include <QLineEdit>
#include <QPushButton>

#include "boolean_box.h"
#include "caption_frame.h"
#include "caption_label.h"
#include "colours.h"
#include "command_button.h"
#include "drill_timer.h"
#include "frm_main_properties.h"
#include "image_box.h"
#include "multi_option.h"
#include "num_input_box.h"
#include "program_resources.h"
#include "sorted_list_box.h"

namespace tavimor {
namespace {

void Place(QWidget *widget, const char *name, double left, double top, double width, double height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(TwipsRect(left, top, width, height));
}

// A label with the design's defaults: left-aligned, borderless, button face on button text.
CaptionLabel *Label(QWidget *parent, const char *name, const char *caption, double left, double top,
                    double width, double height)
{
    auto *label = new CaptionLabel(parent);
    Place(label, name, left, top, width, height);
    label->setText(QString::fromUtf8(caption));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackColor(label, kSysButtonFace);
    SetForeColor(label, kSysButtonText);
    return label;
}

QPushButton *Button(QWidget *parent, const char *name, const char *caption, double left, double top,
                    double width, double height)
{
    auto *button = new CommandButton(QString::fromUtf8(caption), parent);
    Place(button, name, left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void frmMainDesign::setupUi(QWidget *form, ControlHost *host)
{
    // Question and answer settings (tab indices 0 to 8).
    mopQuestionType = new MultiOption(host, form);
    Place(mopQuestionType, "mopQuestionType", 240, 240, 1455, 2175);
    mopQuestionType->ReadProperties(frm_main_design::mopQuestionType());

    mopAnswerType = new MultiOption(host, form);
    Place(mopAnswerType, "mopAnswerType", 240, 2640, 1455, 1695);
    mopAnswerType->ReadProperties(frm_main_design::mopAnswerType());

    chkUseTimer = new BooleanBox(host, form);
    Place(chkUseTimer, "chkUseTimer", 240, 4560, 1455, 255);
    chkUseTimer->ReadProperties(frm_main_design::chkUseTimer());

    lblTimeLimit[0] = Label(form, "lblTimeLimit0", "タイムリミット", 240, 4920, 975, 255);
    lblTimeLimit[0]->setEnabled(false);

    txtTimeLimit = new NumInputBoxR(host, form);
    Place(txtTimeLimit, "txtTimeLimit", 240, 5160, 1095, 255);
    txtTimeLimit->ReadProperties(frm_main_design::txtTimeLimit());
    txtTimeLimit->TextBox()->setAccessibleName(lblTimeLimit[0]->text());
    lblTimeLimit[0]->setBuddy(txtTimeLimit);

    lblTimeLimit[1] = Label(form, "lblTimeLimit1", "秒", 1440, 5160, 375, 255);
    lblTimeLimit[1]->setEnabled(false);

    chkOmitPushAnswer = new BooleanBox(host, form);
    Place(chkOmitPushAnswer, "chkOmitPushAnswer", 240, 5520, 1455, 495);
    chkOmitPushAnswer->ReadProperties(frm_main_design::chkOmitPushAnswer());

    chkShowAnswer = new BooleanBox(host, form);
    Place(chkShowAnswer, "chkShowAnswer", 240, 6120, 1215, 375);
    chkShowAnswer->ReadProperties(frm_main_design::chkShowAnswer());

    cmdInitialize = Button(form, "cmdInitialize", "初期化(&I)", 240, 6600, 1455, 495);

    // Question display (9 to 11).
    Label1 = Label(form, "Label1", "問題", 2040, 240, 975, 255);

    lblAminoAcid = Label(form, "lblAminoAcid", "", 1920, 600, 1455, 375);
    lblAminoAcid->setBorderColour(kSysWindowText);
    lblAminoAcid->setAlignment(Qt::AlignCenter);
    SetBackColor(lblAminoAcid, kSysWindow);
    SetForeColor(lblAminoAcid, kSysWindowText);
    QFont bold = frm_main_design::WindowFont();
    bold.setWeight(QFont::Bold);
    lblAminoAcid->setFont(bold);
    lblAminoAcid->setAccessibleDescription(QStringLiteral("問題"));

    imgAminoAcid = new ImageBox(form);
    Place(imgAminoAcid, "imgAminoAcid", 1920, 600, 2295, 1815);
    imgAminoAcid->setAccessibleName(QStringLiteral("構造式"));

    cmdQuestion = Button(form, "cmdQuestion", "出題(&Q)", 4320, 120, 1815, 1095);

    // Timed run (12, 13).
    cmdStartQuestion = Button(form, "cmdStartQuestion", "出題の開始(&S)", 6240, 120, 1335, 495);
    cmdStartQuestion->setEnabled(false);
    cmdEndQuestion = Button(form, "cmdEndQuestion", "出題の終了(&E)", 6240, 720, 1335, 495);
    cmdEndQuestion->setEnabled(false);

    // Answering (14, 15).
    mopAnswer = new MultiOption(host, form);
    Place(mopAnswer, "mopAnswer", 1920, 2640, 6735, 3855);
    mopAnswer->ReadProperties(frm_main_design::mopAnswer());

    cmdAnswer = Button(form, "cmdAnswer", "解答の確定(&A)", 1920, 6600, 5175, 495);
    cmdAnswer->setEnabled(false);

    // Verdict and right answer (16 to 19).
    lblRightAnswer = Label(form, "lblRightAnswer", "正解", 4320, 1440, 855, 255);
    lblRightAnswer->setAlignment(Qt::AlignCenter);
    SetBackColor(lblRightAnswer, 0x000000FF);
    SetForeColor(lblRightAnswer, kSys3DHighlight);
    lblRightAnswer->hide();

    lblBadAnswer = Label(form, "lblBadAnswer", "不正解", 5280, 1440, 855, 255);
    lblBadAnswer->setAlignment(Qt::AlignCenter);
    SetBackColor(lblBadAnswer, 0x00FF0000);
    SetForeColor(lblBadAnswer, kSysHighlightText);
    lblBadAnswer->hide();

    lblAnswerLabel = Label(form, "lblAnswerLabel", "(正解)", 4320, 1800, 615, 255);
    lblAnswer = Label(form, "lblAnswer", "", 4320, 2040, 1695, 375);
    lblAnswer->setAccessibleDescription(QStringLiteral("正解"));

    // Score frame (20 to 26).
    Frame1 = new CaptionFrame(QStringLiteral("正答率"), form);
    Place(Frame1, "Frame1", 6240, 1320, 2415, 1215);
    SetBackColor(Frame1, kSysButtonFace);
    lblRigthAnswerNumber = Label(Frame1, "lblRigthAnswerNumber", "0", 120, 360, 615, 255);
    lblRigthAnswerNumber->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblRigthAnswerNumber->setAccessibleDescription(QStringLiteral("正解数"));
    Label5 = Label(Frame1, "Label5", "/", 840, 360, 135, 255);
    lblQuestionNumber = Label(Frame1, "lblQuestionNumber", "0", 1080, 360, 735, 255);
    lblQuestionNumber->setAccessibleDescription(QStringLiteral("問題数"));
    Label3 = Label(Frame1, "Label3", "=", 480, 720, 255, 255);
    lblRigthAnswerPercent = Label(Frame1, "lblRigthAnswerPercent", "0.0", 600, 720, 735, 255);
    lblRigthAnswerPercent->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblRigthAnswerPercent->setAccessibleDescription(QStringLiteral("正答率"));
    Label4 = Label(Frame1, "Label4", "%", 1440, 720, 375, 255);

    // Exit (27), the hidden sorting list (28) and the table (29).
    cmdExit = Button(form, "cmdExit", "終了(&X)", 7200, 6600, 1455, 495);

    // Owned by the window but made a window of its own that is never shown: a hidden child would
    // still be listed to assistive technology.
    lstSort = new SortedListBox(form);
    lstSort->setWindowFlags(Qt::Window);
    Place(lstSort, "lstSort", 1920, 2400, 2295, 240);
    lstSort->hide();

    cmdShowTable = Button(form, "cmdShowTable", "一覧表(&T)", 7680, 120, 975, 1095);

    // The timer: interval 0 and enabled, so it never ticks until a run sets an interval.
    Timer1 = new DrillTimer(form);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    // The two overlapping question displays: the picture lies under the text.
    imgAminoAcid->lower();
}

}  // namespace tavimor
