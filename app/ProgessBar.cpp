#include "app/ProgessBar.h"

#include "core/Text.h"
#include "platform/ui/WaitCursor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowTitle(QStringLiteral("Progress"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // Below the bevel, a line for the count, with room on its right for a button.
    setFixedSize(315, 84);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 8, 297, 41);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setGeometry(16, 16, 281, 25);
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(false);

    m_countText = new QLabel(this);
    m_countText->setObjectName(QStringLiteral("CountText"));
    m_countText->setGeometry(8, 55, 215, 21);
    m_countText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setGeometry(230, 53, 75, 25);
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, &TOKBottomDlg1::requestCancel);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TOKBottomDlg1::Timer1Timer);
}

void TOKBottomDlg1::FormActivate()
{
    if (!m_runPending)
        return;
    m_runPending = false;
    const Run run = m_run;
    m_run = Run();

    m_progressBar->setMaximum(run.count);
    showDone(0, run.count);
    m_cancelButton->setText(text::entry(text::ProgressTexts, 1));
    m_cancelButton->setVisible(bool(run.cancel));
    m_cancelButton->setEnabled(true);
    m_cancel = run.cancel;
    // However the run ends, a failed step included (the application's error box reports it),
    // the dialog closes, or the program would wait on it forever.
    const auto ended = qScopeGuard([this] {
        m_cancel = nullptr;
        m_cancelButton->setEnabled(false);
        m_timer->start();
    });
    waitUntilExposed();
    const QScopedValueRollback<bool> running(m_running, true);
    WaitCursor wait;
    int shownPercent = 0;
    for (int row = 0; row < run.count; ++row) {
        const bool more = run.step(row);
        showDone(run.done ? run.done() : row + 1, run.count);
        if (!more)
            break;
        // The run holds the event loop, so the dialog is painted and takes in its events (a
        // click on Cancel) here, once per percent so that a long run does not spend its time
        // painting.
        const int percent = int(qint64(row + 1) * 100 / run.count);
        if (percent != shownPercent) {
            shownPercent = percent;
            m_progressBar->repaint();
            m_countText->repaint();
            QCoreApplication::processEvents();
        }
    }
}

void TOKBottomDlg1::requestCancel()
{
    if (!m_cancel)
        return;
    const std::function<void()> cancel = m_cancel;
    m_cancel = nullptr;
    m_cancelButton->setEnabled(false);
    cancel();
}

void TOKBottomDlg1::reject()
{
    // The run's own end closes the dialog; until then Escape or the close box can only stop it.
    if (m_running)
        requestCancel();
    else
        QDialog::reject();
}

void TOKBottomDlg1::showDone(int done, int count)
{
    m_progressBar->setValue(done);
    m_countText->setText(text::entry(text::ProgressTexts, 0).arg(done).arg(count));
}

void TOKBottomDlg1::waitUntilExposed()
{
    // Shown is not yet on screen: until the window system exposes the dialog nothing it paints
    // reaches the screen, and the run would show a blank box until its end. Only window system
    // events are taken in, so no click reaches the program meanwhile.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void TOKBottomDlg1::Timer1Timer()
{
    m_timer->stop();
    accept();
}

bool TOKBottomDlg1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TOKBottomDlg1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The first paint counts this showing's rows, not those of the run before.
    m_countText->setText(text::entry(text::ProgressTexts, 0).arg(0).arg(m_run.count));
    m_cancelButton->setText(text::entry(text::ProgressTexts, 1));
    m_cancelButton->setVisible(bool(m_run.cancel));
    m_runPending = true;
    // A window manager may not activate the dialog; the run must not depend on it.
    QMetaObject::invokeMethod(this, &TOKBottomDlg1::FormActivate, Qt::QueuedConnection);
}
