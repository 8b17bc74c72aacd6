#pragma once

#include <QObject>

#include <functional>

namespace pwo {

// The program ends when no window is open any more: after a refused login,
// or when the last window (the frame, a report viewer) closes. Start-up
// itself never counts as "no window", although the frame is gone while the
// next user logs in.
class ProgramLifetime : public QObject {
public:
    static ProgramLifetime &instance();

    // What ending means; the program quits the application, tests record it.
    void setEndAction(std::function<void()> action) { end_ = std::move(action); }
    // Ends the program now if no window is open.
    void checkForEnd();

    class StartupGuard {
    public:
        StartupGuard();
        ~StartupGuard();
        StartupGuard(const StartupGuard &) = delete;
        StartupGuard &operator=(const StartupGuard &) = delete;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramLifetime();
    int startupDepth_ = 0;
    bool checkPending_ = false;
    std::function<void()> end_;
};

} // namespace pwo
