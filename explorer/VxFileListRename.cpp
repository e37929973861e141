#include "explorer/VxFileListRename.h"

#include "explorer/VxConsts.h"
#include "explorer/VxFileListMessages.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListShortCuts.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxPathUtils.h"
#include "explorer/VxShellUtils.h"
#include "platform/DirEnum.h"
#include "platform/FsProbe.h"
#include "platform/SyncedFolder.h"
#include "platform/ui/WaitCursor.h"

#include <QLineEdit>
#include <QScopeGuard>
#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

namespace {

// Edits a caption in a line edit of its own and hands the confirmed text to the rename once the
// editor has closed.
class CaptionDelegate : public QStyledItemDelegate
{
public:
    CaptionDelegate(VxFileListRename* rename) : QStyledItemDelegate(rename), m_rename(rename) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("RenameEditor"));
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        line->setText(index.data(Qt::DisplayRole).toString());
        line->selectAll();
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const override
    {
        const QString caption = static_cast<QLineEdit*>(editor)->text();
        VxFileListRename* rename = m_rename;
        QMetaObject::invokeMethod(
            rename, [rename, caption] { rename->EditCompletion(caption); }, Qt::QueuedConnection);
    }

private:
    VxFileListRename* m_rename;
};

QString quoted(const QString& name)
{
    return u'"' + name + u'"';
}

} // namespace

VxFileListRename::VxFileListRename(TVxFilelistView28* list)
    : QObject(list), m_list(list), m_delegate(new CaptionDelegate(this))
{
}

void VxFileListRename::StartRename()
{
    const int row = m_list->selectedRow();
    if (row < 0)
        return;
    const QString letters = m_list->rows().at(row).subItem(ListingRow::AttributesItem);
    if (m_list->ReadOnly() || letters.toUpper() == QLatin1String("R")) {
        vxfilelistmessages::warning(VxText(m_list->Language(), VxKey::ItsReadOnly));
        return;
    }
    m_list->edit(m_list->model()->index(row, 0));
}

bool VxFileListRename::EditPermission(int row)
{
    if (m_list->ReadOnly() || !m_list->ShortCuts().Actions.contains(vaRename))
        return false;
    if (row < 0 || row >= m_list->rowCount())
        return false;
    const ListingRow& listed = m_list->rows().at(row);
    // Neither the parent row nor a volume names an entry of the listed folder.
    if (listed.kind != ListingRow::Kind::File && listed.kind != ListingRow::Kind::Folder)
        return false;
    m_sourceFolder = platform::encodePath(EnsureTrailingBackslash(m_list->Directory()));
    m_sourceName = listed.nameBytes;
    m_sourceIsFolder = listed.isFolder();
    return true;
}

void VxFileListRename::EditCompletion(const QString& caption)
{
    if (!m_list->ShortCuts().Actions.contains(vaRename) || m_sourceName.isEmpty())
        return;
    const WaitCursor hourglass;
    const bool updates = m_list->updatesEnabled();
    m_list->setUpdatesEnabled(false);
    const auto resume = qScopeGuard([this, updates] { m_list->setUpdatesEnabled(updates); });

    const TLanguage language = m_list->Language();
    const QByteArray name = platform::encodePath(caption);
    if (name == m_sourceName)
        return;
    const platform::SyncedFolder folder(m_sourceFolder);
    const int nameMax = folder.isOpen() && folder.nameMax() > 0 ? folder.nameMax() : 255;
    switch (vxfilelist::newNameProblem(name, nameMax)) {
    case vxfilelist::NameProblem::None:
        break;
    case vxfilelist::NameProblem::Separator:
    case vxfilelist::NameProblem::Nul:
        vxfilelistmessages::warning(VxText(language, VxKey::InvalidFolderChars) + u'\n' +
                                    quoted(caption));
        return;
    case vxfilelist::NameProblem::Empty:
    case vxfilelist::NameProblem::DotName:
    case vxfilelist::NameProblem::TooLong:
        vxfilelistmessages::warning(VxText(language, VxKey::InvalidDirName) + u'\n' +
                                    quoted(caption));
        return;
    }

    const QString target = platform::displayName(m_sourceFolder + name);
    int error = folder.isOpen() ? 0 : folder.openError();
    std::vector<QByteArray> names;
    if (error == 0)
        error = folder.readNames(&names);
    if (error == 0) {
        // Decided from the listing, not by looking the new name up: on a volume that ignores
        // letter case the lookup finds the source itself, and some drivers still find it
        // after it has moved.
        const bool ignoresCase = platform::probeFileSystem(folder, names).caseInsensitive;
        const auto sameName = [ignoresCase](const QByteArray& a, const QByteArray& b) {
            return ignoresCase ? vxfilelist::sameNameIgnoringCase(a, b) : a == b;
        };
        for (const QByteArray& other : names) {
            if (other != m_sourceName && sameName(other, name)) {
                ReportIfNameExists(target);
                return;
            }
        }
        if (sameName(m_sourceName, name))
            error = renameThroughTemporaryName(folder, name, names);
        else
            error = folder.rename(m_sourceName, name);
        // A name taken since the listing was read.
        if (error == platform::errorNumber(platform::FileError::Exists) &&
            ReportIfNameExists(target))
            return;
    }
    if (error != 0)
        vxfilelistmessages::error(VxText(language, VxKey::FileOpFailed) + u'\n' +
                                  quoted(platform::displayName(m_sourceName)) + u'\n' +
                                  platform::sysErrorText(error));

    m_list->UpdateFileList();
    const QByteArray listedName = error == 0 ? name : m_sourceName;
    const QVector<ListingRow>& rows = m_list->rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).nameBytes == listedName) {
            m_list->selectOnly(row);
            break;
        }
    }
    if (m_sourceIsFolder)
        m_list->ShowInDirTreeCombo(platform::displayName(m_sourceFolder), true);
}

int VxFileListRename::renameThroughTemporaryName(const platform::SyncedFolder& folder,
                                                 const QByteArray& to,
                                                 const std::vector<QByteArray>& names) const
{
    QByteArray aside;
    for (int attempt = 1;
         aside.isEmpty() || std::find_if(names.begin(), names.end(),
                                         [&aside](const QByteArray& name) {
                                             return vxfilelist::sameNameIgnoringCase(name, aside);
                                         }) != names.end();
         ++attempt)
        aside = m_sourceName + ".rename~" + QByteArray::number(attempt);
    int error = folder.rename(m_sourceName, aside);
    if (error != 0)
        return error;
    error = folder.rename(aside, to);
    // The first failure is the one to report; a failed way back shows in the re-read list.
    if (error != 0)
        folder.rename(aside, m_sourceName);
    return error;
}
