#pragma once

#include <QObject>

#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "tamovid/atlas/atlas.h"

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStringListModel;

namespace tamovid {

class UserInterface;

/// The atlas once read, or why it could not be.
using AtlasLoad = Result<std::shared_ptr<const atlas::Atlas>, atlas::AtlasError>;
using AtlasLoader = std::function<AtlasLoad()>;

/// The installed atlas, read the first time any window asks and shared from then on.
AtlasLoad InstalledAtlas();

/// Offers the atlas's best matches for what is typed into the city field, as
/// "City, State, Country", and reports the one chosen. The atlas is read in the
/// background when the field first takes the focus (at the latest at the first letter
/// typed), never at start-up. A missing or damaged atlas is told once, at the first
/// letter typed; the field then goes on working as a plain text field.
class PlaceCompleter : public QObject {
    Q_OBJECT
public:
    static constexpr int kMatchCount = 12;
    /// Shorter queries match too much to be worth a list.
    static constexpr int kShortestQuery = 2;

    PlaceCompleter(QLineEdit* field, UserInterface& ui, AtlasLoader loader = InstalledAtlas);

    /// Replaces where the atlas comes from, until it is first read.
    void SetLoader(AtlasLoader loader) { loader_ = std::move(loader); }

    /// The list of matches shown under the field.
    QCompleter* Completer() const { return completer_; }

signals:
    /// The user picked a match from the list.
    void chosen(const tamovid::atlas::Place& place);
    /// The user changed the city's text by hand.
    void typedByHand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartLoading();
    const atlas::Atlas* Loaded();
    void Offer(const QString& text);
    void Choose(const QModelIndex& index);

    QLineEdit* field_;
    UserInterface& ui_;
    AtlasLoader loader_;
    std::shared_future<AtlasLoad> load_;
    bool failureTold_ = false;
    QStringListModel* model_ = nullptr;
    QCompleter* completer_ = nullptr;
    std::vector<atlas::Place> matches_;  // in the order the list shows them
};

}  // namespace tamovid
