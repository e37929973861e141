#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

// The progress dialog of the rename run. Whoever runs the renames hands it the work with
// setRun() and shows it modally; the dialog performs the work once per showing, counting the
// rows on its bar and as "n of N" under it, and closes itself 100 ms after the last row.
class TOKBottomDlg1 : public QDialog
{
    Q_OBJECT

public:
    // The work of one showing: `count` rows, `step` called for each from 0 to count - 1.
    struct Run
    {
        int count = 0;
        std::function<void(int row)> step;
    };

    explicit TOKBottomDlg1(QWidget* parent = nullptr);

    // The work of the next showing; a showing without one closes at once.
    void setRun(const Run& run) { m_run = run; }

    QProgressBar* progressBar() const { return m_progressBar; }

    // Performs the work of this showing; later activations of the same showing do nothing.
    void FormActivate();
    void Timer1Timer();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showDone(int done, int count);
    void waitUntilExposed();

    QProgressBar* m_progressBar;
    QLabel* m_countText;
    QTimer* m_timer;
    Run m_run;
    bool m_runPending = false;
};
