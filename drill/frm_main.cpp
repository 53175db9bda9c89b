// SPDX-License-Identifier: GPL-3.0-or-later
// Main window logic (drill/), the handlers of the drill: see frm_main.h.
#include "frm_main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "announcer.h"
#include "boolean_box.h"
#include "caption_frame.h"
#include "caption_label.h"
#include "colours.h"
#include "control_host.h"
#include "drill_rules.h"
#include "drill_timer.h"
#include "event_edge.h"
#include "frm_main_properties.h"
#include "frm_table.h"
#include "image_box.h"
#include "message_box.h"
#include "multi_option.h"
#include "num_input_box.h"
#include "numbered_error.h"
#include "program_resources.h"
#include "random_source.h"
#include "sorted_list_box.h"
#include "value_conversion.h"
#include "window_accessibility.h"

using namespace tavimor;

namespace {

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

// A count as the labels hold it: decimal text, 0 when it is not a number.
std::int32_t Count(const QString &text)
{
    const Converted<std::int32_t> count = ToLong(text.toStdString());
    return count.status == ConversionStatus::Ok ? count.value : 0;
}

QString CountText(std::int32_t count)
{
    return QString::number(count);
}

}  // namespace

frmMain::frmMain(RandomSource *random, QWidget *parent)
    : QWidget(parent),
      m_host(std::make_unique<ControlHost>(ControlHost::Mode::Running)),
      m_ownRandom(random == nullptr ? std::make_unique<ClockSeededRandom>() : nullptr),
      m_random(random != nullptr ? random : m_ownRandom.get())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tavimor ver.1.00"));
    GiveProgramIcon(this);
    ReportAsWindow(this);
    const QFont font = frm_main_design::WindowFont();
    setFont(font);
    m_host->setAmbientFont(font);
    setFixedSize(TwipsToPixels(8895), TwipsToPixels(7215));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    ui.setupUi(this, m_host.get());

    // Every handler Qt calls runs at the edge, where an error raised in it is shown and stops.
    ConnectAtEdge(ui.mopQuestionType, &MultiOption::Change, this, &frmMain::mopQuestionType_Change);
    ConnectAtEdge(ui.mopAnswerType, &MultiOption::Change, this, &frmMain::mopAnswerType_Change);
    ConnectAtEdge(ui.mopAnswer, &MultiOption::Change, this, &frmMain::mopAnswer_Change);
    ConnectAtEdge(ui.chkOmitPushAnswer, &BooleanBox::Click, this,
                  &frmMain::chkOmitPushAnswer_Click);
    ConnectAtEdge(ui.chkShowAnswer, &BooleanBox::Click, this, &frmMain::chkShowAnswer_Click);
    ConnectAtEdge(ui.chkUseTimer, &BooleanBox::Click, this, &frmMain::chkUseTimer_Click);
    ConnectAtEdge(ui.cmdInitialize, &QPushButton::clicked, this, &frmMain::cmdInitialize_Click);
    ConnectAtEdge(ui.cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    ConnectAtEdge(ui.cmdShowTable, &QPushButton::clicked, this, &frmMain::cmdShowTable_Click);
    ConnectAtEdge(ui.cmdQuestion, &QPushButton::clicked, this, &frmMain::cmdQuestion_Click);
    ConnectAtEdge(ui.cmdAnswer, &QPushButton::clicked, this, &frmMain::cmdAnswer_Click);
    ConnectAtEdge(ui.cmdStartQuestion, &QPushButton::clicked, this,
                  &frmMain::cmdStartQuestion_Click);
    ConnectAtEdge(ui.cmdEndQuestion, &QPushButton::clicked, this, &frmMain::cmdEndQuestion_Click);
    ConnectAtEdge(ui.Timer1, &DrillTimer::Timer, this, &frmMain::Timer1_Timer);
    ConnectAtEdge(ui.lblQuestionNumber, &CaptionLabel::Change, this,
                  &frmMain::lblQuestionNumber_Change);
    ConnectAtEdge(ui.lblRigthAnswerNumber, &CaptionLabel::Change, this,
                  &frmMain::lblRigthAnswerNumber_Change);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    ui.Timer1->setEnabled(false);
    m_unloaded = true;
}

// ---- the drill controller ----

void frmMain::Form_Load()
{
    if (m_ownRandom) {
        m_ownRandom->Randomize();
    }
    BuildAcidCatalogue();
    mopAnswerType_Change();
    ResetDrill(true);
}

void frmMain::BuildAcidCatalogue()
{
    m_catalogue = tavimor::BuildAcidCatalogue();
}

DrillState frmMain::ReadState() const
{
    DrillState state;
    state.Answered = m_answered;
    state.AnswerMap = m_answerMap;
    state.CurrentRow = Count(ui.lblAminoAcid->Tag());
    state.AskedCount = Count(ui.lblQuestionNumber->Tag());
    state.JudgedCount = Count(ui.lblQuestionNumber->Caption());
    state.RightCount = Count(ui.lblRigthAnswerNumber->Caption());
    return state;
}

QString frmMain::BuildAnswerOptions(int AnswerForm)
{
    // The window's sorted list puts the texts into ascending order.
    const TextOrder order = [this](const std::vector<std::string> &texts) {
        ui.lstSort->Clear();
        for (const std::string &text : texts) {
            ui.lstSort->AddItem(Text(text));
        }
        std::vector<std::string> sorted;
        sorted.reserve(static_cast<std::size_t>(ui.lstSort->ListCount()));
        for (int p = 0; p < ui.lstSort->ListCount(); ++p) {
            sorted.push_back(ui.lstSort->List(p).toStdString());
        }
        return sorted;
    };
    DrillState state = ReadState();
    QString options = Text(tavimor::BuildAnswerOptions(state, m_catalogue, AnswerForm, order));
    m_answerMap = state.AnswerMap;
    return options;
}

void frmMain::mopQuestionType_Change()
{
    ResetDrill(false);
}

void frmMain::mopAnswerType_Change()
{
    const int form = ui.mopAnswerType->Value();
    if (form < 0 || form >= AcidCatalogue::kColumnCount) {
        return;
    }
    ui.mopAnswer->setOptionCaptions(BuildAnswerOptions(form));
    ResetDrill(false);
}

void frmMain::chkOmitPushAnswer_Click()
{
    ui.cmdAnswer->setEnabled(!ui.chkOmitPushAnswer->Value());
}

void frmMain::chkShowAnswer_Click()
{
    const bool on = ui.chkShowAnswer->Value();
    ui.lblAnswerLabel->setEnabled(on);
    ui.lblAnswer->setVisible(on);
}

void frmMain::chkUseTimer_Click()
{
    const bool on = ui.chkUseTimer->Value();
    SetTimeLimitInputEnabled(on, false);
    ui.cmdStartQuestion->setEnabled(on);
    ui.cmdQuestion->setEnabled(!on);
    ui.cmdEndQuestion->setEnabled(false);
}

void frmMain::cmdInitialize_Click()
{
    ResetDrill(true);
}

void frmMain::cmdExit_Click()
{
    frmTable::CloseTable();
    close();
}

void frmMain::cmdShowTable_Click()
{
    frmTable::ShowTable();
}

void frmMain::ResetDrill(bool ClearCounts)
{
    DrillState state = ReadState();
    ResetDrillState(state, ClearCounts);

    ui.lblAminoAcid->setTag(CountText(state.CurrentRow));
    ui.lblAnswer->setCaption(QString());
    ui.lblAminoAcid->setCaption(QString());
    ui.imgAminoAcid->hide();
    ui.lblRightAnswer->hide();
    ui.lblBadAnswer->hide();
    if (ClearCounts) {
        ui.lblQuestionNumber->setTag(CountText(state.AskedCount));
        ui.lblQuestionNumber->setCaption(CountText(state.JudgedCount));
        ui.lblRigthAnswerNumber->setCaption(CountText(state.RightCount));
    }
    ui.mopAnswer->setValue(-1);
    ui.mopAnswer->setEnabled(false);
    ui.Timer1->setEnabled(false);
    if (ui.chkUseTimer->Value()) {
        ui.cmdStartQuestion->setEnabled(true);
        ui.cmdEndQuestion->setEnabled(false);
        ui.mopQuestionType->setEnabled(true);
        ui.mopAnswerType->setEnabled(true);
        SetTimeLimitInputEnabled(true, true);
    }
    m_answered = state.Answered;
}

void frmMain::SetTimeLimitInputEnabled(bool Enable, bool IncludeTimerSwitch)
{
    if (IncludeTimerSwitch) {
        ui.chkUseTimer->setEnabled(Enable);
    }
    ui.txtTimeLimit->setEnabled(Enable);
    for (CaptionLabel *label : ui.lblTimeLimit) {
        label->setEnabled(Enable);
    }
    ui.txtTimeLimit->setBackColor(Enable ? kSysWindow : kSysMenu);
}

void frmMain::Refuse(std::string_view message)
{
    // A tick of a timed run may come while the box is open; it must not open another.
    m_refusing = true;
    MsgBox(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
           kMsgBoxExclamation, QStringLiteral("Tavimor"), [self = QPointer<frmMain>(this)] {
               if (self) {
                   self->m_refusing = false;
               }
           });
}

// ---- the question cycle ----

void frmMain::cmdQuestion_Click()
{
    const int answerForm = ui.mopAnswerType->Value();
    const int questionForm = ui.mopQuestionType->Value();
    if (FormsClash(questionForm, answerForm)) {
        Refuse(kFormsClashMessage);
        return;
    }
    if (questionForm < 0) {
        return;  // no question form chosen: nothing to ask
    }
    DrillState state = ReadState();
    const std::int32_t row = AskQuestion(state, questionForm, *m_random);

    m_answered = state.Answered;
    ui.mopAnswer->setEnabled(true);
    ui.mopAnswer->setValue(-1);
    if (!ui.chkOmitPushAnswer->Value()) {
        ui.cmdAnswer->setEnabled(true);
    }
    ui.lblRightAnswer->hide();
    ui.lblBadAnswer->hide();
    ui.lblAnswer->setCaption(QString());
    ui.lblQuestionNumber->setTag(CountText(state.AskedCount));
    ui.lblAminoAcid->setTag(CountText(row));

    if (questionForm < static_cast<int>(NotationForm::Picture)) {
        ui.imgAminoAcid->hide();
        ui.lblAminoAcid->show();
        SetForeColor(ui.lblAminoAcid, kSysWindowText);
        ui.lblAminoAcid->setCaption(Text(m_catalogue.Text(questionForm, row)));
        Announce(ui.Label1->text() + u' ' + ui.lblAminoAcid->Caption());
    } else {
        ui.lblAminoAcid->hide();
        ui.imgAminoAcid->setPicture([row](qreal ratio) { return LoadResPicture(row, ratio); });
        ui.imgAminoAcid->show();
        // The picture by its name alone: its acid is the question.
        Announce(ui.Label1->text() + u' ' + ui.imgAminoAcid->accessibleName());
    }
}

void frmMain::cmdAnswer_Click()
{
    if (m_answered) {
        return;
    }
    DrillState state = ReadState();
    const auto judgement = JudgeAnswer(state, ui.mopAnswer->Value());
    if (!judgement) {
        return;
    }
    ui.lblAminoAcid->setTag(CountText(state.CurrentRow));
    ui.lblQuestionNumber->setCaption(ui.lblQuestionNumber->Tag());
    if (judgement->right) {
        ui.lblRightAnswer->show();
        ui.lblRigthAnswerNumber->setCaption(CountText(state.RightCount));
    } else {
        ui.lblBadAnswer->show();
    }
    const int answerForm = ui.mopAnswerType->Value();
    if (ui.chkShowAnswer->Value() && answerForm >= 0 && answerForm < AcidCatalogue::kColumnCount &&
        judgement->row >= AcidCatalogue::kFirstRow && judgement->row <= AcidCatalogue::kLastRow) {
        ui.lblAnswer->setCaption(Text(m_catalogue.Text(answerForm, judgement->row)));
    }
    if (ui.chkUseTimer->Value()) {
        ui.Timer1->setEnabled(false);
        ui.Timer1->setEnabled(true);
    }
    SetForeColor(ui.lblAminoAcid, kSysButtonFace);
    ui.mopAnswer->setEnabled(false);
    m_answered = true;

    // What the learner reads now: the verdict, the right answer when shown, the score.
    QStringList judged{(judgement->right ? ui.lblRightAnswer : ui.lblBadAnswer)->text()};
    if (ui.chkShowAnswer->Value() && !ui.lblAnswer->Caption().isEmpty()) {
        judged << ui.lblAnswerLabel->text() + u' ' + ui.lblAnswer->Caption();
    }
    judged << QStringList{ui.Frame1->title(), ui.lblRigthAnswerNumber->text(),
                          ui.Label5->text(),  ui.lblQuestionNumber->text(),
                          ui.Label3->text(),  ui.lblRigthAnswerPercent->text(),
                          ui.Label4->text()}
                  .join(u' ');
    Announce(judged.join(QStringView(Announcer::kJoin)));
}

void frmMain::Announce(const QString &message)
{
    Announcer::Announce(this, message);
}

void frmMain::mopAnswer_Change()
{
    if (ui.chkOmitPushAnswer->Value()) {
        cmdAnswer_Click();
    }
}

void frmMain::lblQuestionNumber_Change()
{
    ShowScore();
}

void frmMain::lblRigthAnswerNumber_Change()
{
    ShowScore();
}

void frmMain::ShowScore()
{
    const std::int32_t judged = Count(ui.lblQuestionNumber->Caption());
    const std::int32_t right = Count(ui.lblRigthAnswerNumber->Caption());
    ui.lblRigthAnswerPercent->setCaption(Text(RateText(judged, right)));
}

// ---- the timed drill ----

void frmMain::cmdStartQuestion_Click()
{
    std::int32_t limit = 0;
    try {
        limit = ui.txtTimeLimit->ValLng();
    } catch (const NumberedError &) {
        // A text that is not a number, or a number beyond 32 bits.
        const bool tooLong =
            ToLong(ui.txtTimeLimit->Text().toStdString()).status == ConversionStatus::Overflow;
        Refuse(tooLong ? kTimeLimitTooLongMessage : kTimeLimitMessage);
        return;
    }
    const std::optional<std::int32_t> interval = TimerInterval(limit);
    if (!interval) {
        Refuse(TimeLimitRefusal(limit));
        return;
    }
    ResetDrill(true);
    ui.cmdQuestion->setEnabled(false);
    ui.cmdEndQuestion->setEnabled(true);
    ui.cmdStartQuestion->setEnabled(false);
    SetTimeLimitInputEnabled(false, true);
    ui.mopQuestionType->setEnabled(false);
    ui.mopAnswerType->setEnabled(false);
    ui.Timer1->setInterval(*interval);
    ui.Timer1->setEnabled(true);
    cmdQuestion_Click();
}

void frmMain::cmdEndQuestion_Click()
{
    ResetDrill(false);
}

void frmMain::Timer1_Timer()
{
    if (m_refusing || m_unloaded) {
        return;
    }
    cmdAnswer_Click();
    cmdQuestion_Click();
}
