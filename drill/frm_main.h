// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the drill.
//
// The learner picks a question form (mopQuestionType) and an answer form (mopAnswerType). 出題
// (cmdQuestion_Click) draws a catalogue row through the drill rules and shows it as text or as
// its structure picture; the 22 answer options (mopAnswer) list every entry in the answer form,
// sorted through the hidden list lstSort, and map back to rows through AnswerMap. 解答の確定
// (cmdAnswer_Click), or the choice itself when the omit switch is on, judges the choice, shows
// 正解 or 不正解 and the right answer, and writes the counters, whose caption changes refresh
// the rate (ShowScore). With the timer switch on, 出題の開始 starts a timed run: every tick of
// Timer1 judges the waiting question and asks the next. The counters live where the window shows
// them: AskedCount in the tag of lblQuestionNumber, JudgedCount in its caption, RightCount in the
// caption of lblRigthAnswerNumber, and CurrentRow in the tag of lblAminoAcid. Each question and
// each judgement is also announced to assistive technology, so the drill can be used by ear.
// Closing the window ends the drill as unloading it would.
// Main window logic (drill/).
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "acid_catalogue.h"
#include "drill_state.h"
#include "frm_main_design.h"

namespace tavimor {
class ControlHost;
class ClockSeededRandom;
class RandomSource;
}  // namespace tavimor

class frmMain : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its design and runs Form_Load. Without a random source the window
    // uses its own, seeded from the clock.
    explicit frmMain(tavimor::RandomSource *random = nullptr, QWidget *parent = nullptr);
    ~frmMain() override;

    const tavimor::frmMainDesign &Ui() const { return ui; }
    // True when no question waits for its answer.
    bool Answered() const { return m_answered; }

protected:
    // Closing the window, by 終了 or from its title bar, unloads it: a timed run ends there and
    // nothing more is asked. An open table window stays.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Form_Load();
    void mopQuestionType_Change();
    void mopAnswerType_Change();
    void mopAnswer_Change();
    void chkOmitPushAnswer_Click();
    void chkShowAnswer_Click();
    void chkUseTimer_Click();
    void cmdInitialize_Click();
    void cmdExit_Click();
    void cmdShowTable_Click();
    void cmdQuestion_Click();
    void cmdAnswer_Click();
    void cmdStartQuestion_Click();
    void cmdEndQuestion_Click();
    void Timer1_Timer();
    void lblQuestionNumber_Change();
    void lblRigthAnswerNumber_Change();

private:
    // Fills the window's catalogue from the drill rules' table (tavimor::BuildAcidCatalogue).
    void BuildAcidCatalogue();
    void ResetDrill(bool ClearCounts);
    void SetTimeLimitInputEnabled(bool Enable, bool IncludeTimerSwitch);
    QString BuildAnswerOptions(int AnswerForm);
    void ShowScore();
    // Shows a refusal in a modal box titled "Tavimor".
    void Refuse(std::string_view message);
    // Has assistive technology speak what a sighted learner reads at once: the question when
    // it is asked; the verdict, the right answer when shown, and the score when it is judged.
    void Announce(const QString &message);
    // The drill state, its counters and current row read back from the labels that hold them.
    tavimor::DrillState ReadState() const;

    tavimor::frmMainDesign ui;
    std::unique_ptr<tavimor::ControlHost> m_host;
    std::unique_ptr<tavimor::ClockSeededRandom> m_ownRandom;
    tavimor::RandomSource *m_random;
    tavimor::AcidCatalogue m_catalogue;
    // The two fields of the drill state that no label holds: whether the question is judged,
    // and the map from answer options back to catalogue rows.
    bool m_answered = true;
    std::array<std::int32_t, tavimor::DrillState::kMapSize> m_answerMap{};
    bool m_refusing = false;
    bool m_unloaded = false;
};
