#pragma once

#include "core/PlaylistExport.h"
#include "core/TrackRow.h"
#include "core/TrackRules.h"
#include "core/rename/RenameCheck.h"
#include "explorer/ListingRow.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <functional>
#include <optional>
#include <vector>

class QTreeView;
class SpinEdit;
class TrackListModel;

// Where the track list reads the folder listing from, and how it asks for the listing to be
// sorted by one of the file list view's columns. `folderNames`, when given, has every name of
// the folder as the read that made the rows found them, so the previews are checked without
// reading the folder again; when it has none, the folder is read for them.
struct ListingSource
{
    std::function<QVector<ListingRow>()> rows;
    std::function<void(int column)> columnClickSort;
    std::function<const std::vector<QByteArray>&()> folderNames;
};

// The main window's track-list commands: rebuilding the rows from the folder listing,
// computing the previews from the two spin boxes, moving the selected row and sorting by a
// header. The window owns the controls; this class works on them.
//
// The selected row also moves by Ctrl+Up, Ctrl+Down, Ctrl+Home and Ctrl+End while the list has
// the focus, and by dragging it within the list; the previews follow either way.
//
// Each recompute of the previews also checks the planned renames against the folder's names,
// taken once per rebuild from the read that made the rows (or read then when the listing kept
// none), so a row whose rename would fail shows why before any run.
class TrackListCommands : public QObject
{
    Q_OBJECT

public:
    TrackListCommands(TrackListModel* model, QTreeView* view, SpinEdit* start, SpinEdit* increment,
                      QObject* parent = nullptr);

    void setListingSource(const ListingSource& source) { m_source = source; }
    // The folder the listing shows, as the file system's bytes; empty for none (the drives).
    // Its names are read by the next rebuild.
    void setFolder(const QByteArray& folderPath) { m_folder = folderPath; }
    QByteArray folder() const { return m_folder; }

    // Whether the new names leave out the old track number of their titles; the previews follow.
    void setOldNumber(trackrules::OldNumber oldNumber);
    trackrules::OldNumber oldNumber() const { return m_oldNumber; }

    // Writes the playlist of the rows, in their order, to `playlistPath` (file system bytes).
    playlistexport::PlaylistResult writePlaylist(const QByteArray& playlistPath) const;

    // The rows whose rename to their preview name would fail, as of the last recompute.
    int failingRowCount() const { return m_failingRows; }

    // The column the comparison uses: 0 = Number caption, 1 = title.
    int sortColumn() const { return m_sortColumn; }

    void RebuildTrackList();
    void RebuildTrackList(const QVector<ListingRow>& listing);
    void UpdatePreview();
    // After a change in the folder: the rows follow `listing` in place (see
    // TrackListModel::mergeRows), the folder's names are read again and the previews follow.
    // The sort column and its marker stay.
    void followListing(const QVector<ListingRow>& listing);
    // After a change that left the folder unreadable: the rows stay, and each one says why it
    // cannot be renamed.
    void followUnreadableFolder();

    void moveUp();
    void moveDown();
    void moveToTop();
    void moveToBottom();

    void ListView1ColumnClick(int column);
    void SortByListingColumn(int trackColumn, int listingColumn);
    int ListView1Compare(const TrackRow& a, const TrackRow& b) const;
    // Sorts the rows as ListView1Compare orders them on the current sort column.
    void sortTrackList();

    // Sets the five plain column captions of the current language.
    void applyColumnCaptions();
    // The plain captions with " *" after the one of `column`.
    void setSortMarker(int column);

    // The first selected row, -1 when none is.
    int selectedRow() const;

private:
    void moveSelected(bool towardsTop, bool toEnd);
    void enableMoves();
    void rowDropped(int row);
    void selectRow(int row);
    // `listedNames`: the names the listing's read found, or none to read them now.
    void readFolderNames(const std::vector<QByteArray>* listedNames = nullptr);
    void rebuild(const QVector<ListingRow>& listing, const std::vector<QByteArray>* listedNames);
    // The reason each row's rename to its preview name would fail, empty where it would not.
    QStringList previewProblems();

    TrackListModel* m_model;
    QTreeView* m_view;
    SpinEdit* m_start;
    SpinEdit* m_increment;
    ListingSource m_source;
    int m_sortColumn = 0;
    QByteArray m_folder;
    // Empty when there is no folder to check against.
    std::optional<renaming::RenameCheck> m_check;
    bool m_folderUnreadable = false;
    trackrules::OldNumber m_oldNumber = trackrules::OldNumber::Keep;
    int m_failingRows = 0;
};
