#pragma once

#include <QDialog>

#include <functional>
#include <utility>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The progress dialog of the rename run. Whoever runs the renames hands it the work with
// setRun() and shows it modally; the dialog performs the work once per showing, counting the
// rows on its bar and as "n of N" under it, and closes itself 100 ms after the last row. A work
// that can be cancelled gets a Cancel button for as long as it lasts; Escape and the window's
// close box cancel it too, and the dialog closes once the work says nothing is left.
class TOKBottomDlg1 : public QDialog
{
    Q_OBJECT

public:
    // The work of one showing: `count` rows, `step` called for each from 0 to count - 1 until
    // it answers false (nothing left to do). `cancel`, when set, asks the work to stop; the
    // dialog goes on calling `step` until the work says it has ended. `done`, when set, says
    // after each step how many rows the work has done, which the count shows: after a cancel
    // the last call of `step` may find nothing left to do. Without it every call counts.
    struct Run
    {
        Run() = default;
        Run(int rows, std::function<bool(int row)> work, std::function<void()> stop = {},
            std::function<int()> rowsDone = {})
            : count(rows), step(std::move(work)), cancel(std::move(stop)), done(std::move(rowsDone))
        {
        }

        int count = 0;
        std::function<bool(int row)> step;
        std::function<void()> cancel;
        std::function<int()> done;
    };

    explicit TOKBottomDlg1(QWidget* parent = nullptr);

    // The work of the next showing; a showing without one closes at once.
    void setRun(const Run& run) { m_run = run; }

    QProgressBar* progressBar() const { return m_progressBar; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    // Performs the work of this showing; later activations of the same showing do nothing.
    void FormActivate();
    void Timer1Timer();
    // During a run that can be cancelled, cancels it; otherwise closes the dialog as rejected.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showDone(int done, int count);
    void waitUntilExposed();
    void requestCancel();

    QProgressBar* m_progressBar;
    QLabel* m_countText;
    QPushButton* m_cancelButton;
    QTimer* m_timer;
    Run m_run;
    // The cancel of the run in progress; empty between runs.
    std::function<void()> m_cancel;
    bool m_runPending = false;
    bool m_running = false;
};
