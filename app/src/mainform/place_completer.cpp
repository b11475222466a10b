#include "tamovid/app/mainform/place_completer.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>
#include <utility>

#include "tamovid/app/dialogs/user_interface.h"

namespace tamovid {

AtlasLoad InstalledAtlas() {
    // Read once per process: every window, and every test, shares the same tables.
    static const AtlasLoad load = []() -> AtlasLoad {
        Result<atlas::Atlas, atlas::AtlasError> loaded = atlas::LoadInstalledAtlas();
        if (!loaded.ok()) {
            return Failure{loaded.error()};
        }
        return std::make_shared<const atlas::Atlas>(std::move(loaded).value());
    }();
    return load;
}

PlaceCompleter::PlaceCompleter(QLineEdit* field, UserInterface& ui, AtlasLoader loader)
    : QObject(field), field_(field), ui_(ui), loader_(std::move(loader)) {
    setObjectName(QStringLiteral("placeCompleter"));
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setObjectName(QStringLiteral("placeList"));
    // Not the field's own completer: a chosen line must not land in the field as
    // typed text ("Pune, Maharashtra, India" is no city name); Choose fills the form.
    completer_->setWidget(field);
    // The atlas matched accents and old names already; Qt must not filter again.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kMatchCount);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceCompleter::Choose);
    connect(field, &QLineEdit::textEdited, this, &PlaceCompleter::Offer);
    field->installEventFilter(this);
}

bool PlaceCompleter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::FocusIn) {
        StartLoading();
    }
    return false;
}

void PlaceCompleter::StartLoading() {
    if (!load_.valid()) {
        load_ = std::async(std::launch::async, loader_).share();
    }
}

const atlas::Atlas* PlaceCompleter::Loaded() {
    StartLoading();
    const AtlasLoad& load = load_.get();
    if (!load.ok()) {
        if (!std::exchange(failureTold_, true)) {
            // Queued: the field is still inside the key press that asked.
            const QString text = QString::fromStdString(load.error().message);
            QMetaObject::invokeMethod(
                this, [this, text] { ui_.message(text, QMessageBox::Warning); },
                Qt::QueuedConnection);
        }
        return nullptr;
    }
    return load.value().get();
}

void PlaceCompleter::Offer(const QString& text) {
    emit typedByHand();
    const atlas::Atlas* places = Loaded();
    const QString query = text.trimmed();
    if (places == nullptr || query.size() < kShortestQuery) {
        completer_->popup()->hide();
        return;
    }
    matches_ = places->Search(query.toStdString(), kMatchCount);
    QStringList names;
    for (const atlas::Place& place : matches_) {
        names << QString::fromStdString(atlas::DisplayName(place));
    }
    model_->setStringList(names);
    if (names.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->setCompletionPrefix(query);
    // As wide as the longest line, which a city field's width seldom is.
    QAbstractItemView* popup = completer_->popup();
    QRect under = field_->rect();
    under.setWidth(std::max(under.width(), popup->sizeHintForColumn(0) +
                                               popup->verticalScrollBar()->sizeHint().width()));
    completer_->complete(under);
    // Enter takes the first line shown until another is highlighted; Qt's own choice
    // would be the first whose text begins with the query's letters, accents and all.
    popup->setCurrentIndex(popup->model()->index(0, 0));
}

void PlaceCompleter::Choose(const QModelIndex& index) {
    // The list shows the completer's own model, which stands in front of ours.
    QModelIndex source = index;
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model())) {
        source = proxy->mapToSource(index);
    }
    const auto row = static_cast<std::size_t>(source.row());
    if (source.isValid() && row < matches_.size()) {
        emit chosen(matches_[row]);
    }
}

}  // namespace tamovid
