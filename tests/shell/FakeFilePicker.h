#pragma once

#include "widgets/FilePicker.h"

#include <QList>
#include <QStringList>

// An open-file dialog that answers with the paths it was given, in turn, and then cancels. It
// notes the folder and the filter of every call.
class FakeFilePicker : public FilePicker
{
public:
    struct Call
    {
        QString startFolder;
        QString filter;
    };

    explicit FakeFilePicker(QStringList answers = {}) : answers(std::move(answers)) {}

    QString pickFile(QWidget*, const QString& startFolder, const QString& filter) override
    {
        calls.append({startFolder, filter});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QList<Call> calls;
};

// Gives a dialog a fake picker and returns it; the dialog owns it.
template <typename Dialog> FakeFilePicker* fakePicker(Dialog& dialog, QStringList answers = {})
{
    auto picker = std::make_unique<FakeFilePicker>(std::move(answers));
    FakeFilePicker* raw = picker.get();
    dialog.setFilePicker(std::move(picker));
    return raw;
}
