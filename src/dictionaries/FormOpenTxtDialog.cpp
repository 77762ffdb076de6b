#include "dictionaries/FormOpenTxtDialog.h"

#include "cards/ExportedFields.h"
#include "cards/TextFile.h"
#include "cards/TextImport.h"
#include "widgets/FilePicker.h"
#include "widgets/LongWork.h"

#include <QFileInfo>

const QString TFormOpenTxtDialog::Filter =
    QStringLiteral("Text files (*.txt);;CSV and TSV files (*.csv *.tsv);;All files (*.* *)");

TFormOpenTxtDialog::TFormOpenTxtDialog(QString dictDir, const QString& txtNamePath,
                                       LongWork& longWork, QObject* parent)
    : QObject(parent), m_dictDir(std::move(dictDir)), m_folder(txtNamePath),
      m_picker(std::make_unique<SystemFilePicker>()), m_longWork(longWork)
{}

TFormOpenTxtDialog::~TFormOpenTxtDialog() = default;

void TFormOpenTxtDialog::setFilePicker(std::unique_ptr<FilePicker> picker)
{
    m_picker = std::move(picker);
}

void TFormOpenTxtDialog::MyShow(QWidget* parent, const OpenDictionary& open,
                                const AskToMakeCards& ask)
{
    m_folder.load();
    const QString picked = m_picker->pickFile(parent, m_folder.startFolder(), Filter);
    if (!picked.isEmpty())
        OK0Execute(picked, open, ask);
}

void TFormOpenTxtDialog::OK0Execute(const QString& picked, const OpenDictionary& open,
                                    const AskToMakeCards& ask)
{
    FileName = picked;
    m_folder.pick(picked);
    const QString target = TextImport::copyIntoDictionaries(FileName, m_dictDir);
    if (QFileInfo(target).size() < LongWork::longFileBytes) {
        finishImport(target, ExportedFields::cardsOf(TextFile::readLines(target)), open, ask);
        return;
    }
    m_longWork.run<std::optional<QStringList>>(
        [target, encoding = programLegacyEncoding()] {
            return ExportedFields::cardsOf(TextFile::readLines(target, encoding));
        },
        [this, target, open, ask](std::optional<QStringList> cards) {
            finishImport(target, cards, open, ask);
        });
}

void TFormOpenTxtDialog::finishImport(const QString& target,
                                      const std::optional<QStringList>& cards,
                                      const OpenDictionary& open, const AskToMakeCards& ask)
{
    if (cards && ask())
        TextFile::writeLines(target, *cards);
    open(target);
    m_folder.save();
}
