#pragma once

#include <QString>

#include <stdexcept>

namespace pwo::reports {

// A path as the platform writes it, without doubled separators.
QString displayPath(const QString &path);

// A fault in a report-definition file, or found while running one: names the
// file and, where known, the line, so that the report's author can mend it.
class DefinitionError : public std::runtime_error {
public:
    DefinitionError(const QString &file, int line, const QString &reason);

    QString file() const { return file_; }
    int line() const { return line_; }  // 0 when the fault has no line
    QString reason() const { return reason_; }

private:
    QString file_;
    int line_;
    QString reason_;
};

// A fault whose file is not known where it is found; the caller that knows
// the file turns it into a DefinitionError.
class LineError : public std::runtime_error {
public:
    LineError(int line, const QString &reason);
    int line() const { return line_; }
    QString reason() const { return reason_; }

private:
    int line_;
    QString reason_;
};

} // namespace pwo::reports
