#include "dictionaries/FormOpenTxtDialog.h"

#include "cards/ExportedFields.h"
#include "cards/TextFile.h"
#include "cards/TextImport.h"
#include "widgets/FilePicker.h"
#include "widgets/LongWork.h"

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

// A long file is copied and read on a worker thread; its cards, if any, are written on one.
void TFormOpenTxtDialog::OK0Execute(const QString& picked, const OpenDictionary& open,
                                    const AskToMakeCards& ask)
{
    FileName = picked;
    m_folder.pick(picked);
    if (!LongWork::isLongFile(picked)) {
        const QString target = TextImport::copyIntoDictionaries(FileName, m_dictDir);
        finishImport(target, ExportedFields::cardsOf(TextFile::readLines(target)), open, ask);
        return;
    }
    m_longWork.run<ReadCopy>(
        [picked, dictDir = m_dictDir, encoding = programLegacyEncoding()] {
            const QString target = TextImport::copyIntoDictionaries(picked, dictDir);
            return ReadCopy{target, ExportedFields::cardsOf(TextFile::readLines(target, encoding))};
        },
        [this, open, ask](const ReadCopy& copy) {
            finishImport(copy.target, copy.cards, open, ask);
        });
}

void TFormOpenTxtDialog::finishImport(const QString& target,
                                      const std::optional<QStringList>& cards,
                                      const OpenDictionary& open, const AskToMakeCards& ask)
{
    if (!cards || !ask()) {
        openCopy(target, open);
        return;
    }
    if (!LongWork::isLongFile(target)) {
        TextFile::writeLines(target, *cards);
        openCopy(target, open);
        return;
    }
    m_longWork.run([target, cards = *cards] { TextFile::writeLines(target, cards); },
                   [this, target, open] { openCopy(target, open); });
}

void TFormOpenTxtDialog::openCopy(const QString& target, const OpenDictionary& open)
{
    open(target);
    m_folder.save();
}
