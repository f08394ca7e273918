#pragma once
// The Exec value of a desktop entry, already unescaped as a string, split into the
// program and its arguments: double-quoted arguments with \" \` \$ \\ escapes inside,
// "%%" as a literal percent sign, and every field code (%u %U %f %F ...) dropped, since
// the caller appends what it wants to open itself.
#include <QString>
#include <QStringList>

class ExecLine {
public:
    static ExecLine parse(const QString& exec);

    // False for an empty line, an unterminated quote or no program.
    bool isValid() const { return valid_; }
    const QString& program() const { return program_; }
    const QStringList& arguments() const { return arguments_; }

private:
    static bool tokenize(const QString& exec, QStringList& tokens);
    // Expands "%%" and drops field codes; nothing when the token held only field codes.
    static bool expandFieldCodes(const QString& token, QString& out);

    bool valid_ = false;
    QString program_;
    QStringList arguments_;
};
