#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace hospital::components {
class HospitalComponents;
}

// A desk logged in as demo on a fresh demo hospital of the given size, whose
// every question is answered as a worker who goes ahead would: Yes where it
// is offered, OK elsewhere. The window benchmarks share it.
class DemoDesk {
public:
    explicit DemoDesk(int patients);
    ~DemoDesk();

    // The column of the statement's first row, as text.
    static QString firstOf(const QString &statement, const QString &column);

private:
    QTemporaryDir folder_;
    std::unique_ptr<hospital::components::HospitalComponents> components_;
    std::unique_ptr<class AnsweringPrompter> prompter_;
};

// One line of a window benchmark, marking a figure over the windows' goal.
void reportWindowSeconds(const char *what, double seconds);
