#include "AtspiNode.h"

namespace {
// Takes a string libatspi returns, freeing it; a failed call reads as empty.
QString take(gchar* text, GError* error) {
    if (error) g_error_free(error);
    const QString result = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return result;
}
}  // namespace

AtspiNode::AtspiNode(AtspiAccessible* object) {
    if (object) object_.reset(object, [](AtspiAccessible* o) { g_object_unref(o); });
}

AtspiNode AtspiNode::application(qint64 pid) {
    const AtspiNode desktop(atspi_get_desktop(0));
    if (desktop.isNull()) return {};
    for (const AtspiNode& app : desktop.children()) {
        GError* error = nullptr;
        const guint appPid = atspi_accessible_get_process_id(app.object_.get(), &error);
        const bool known = error == nullptr;
        if (error) g_error_free(error);
        if (!known || appPid != pid) continue;
        // The tree changes as the game plays and opens windows: no copy of it is kept.
        atspi_accessible_set_cache_mask(app.object_.get(), ATSPI_CACHE_NONE);
        return app;
    }
    return {};
}

QString AtspiNode::name() const {
    GError* error = nullptr;
    gchar* text = object_ ? atspi_accessible_get_name(object_.get(), &error) : nullptr;
    return take(text, error);
}

QString AtspiNode::description() const {
    GError* error = nullptr;
    gchar* text = object_ ? atspi_accessible_get_description(object_.get(), &error) : nullptr;
    return take(text, error);
}

AtspiRole AtspiNode::role() const {
    if (!object_) return ATSPI_ROLE_INVALID;
    GError* error = nullptr;
    const AtspiRole role = atspi_accessible_get_role(object_.get(), &error);
    if (error) g_error_free(error);
    return role;
}

bool AtspiNode::has(AtspiStateType state) const {
    if (!object_) return false;
    AtspiStateSet* states = atspi_accessible_get_state_set(object_.get());
    const bool set = states && atspi_state_set_contains(states, state);
    if (states) g_object_unref(states);
    return set;
}

QString AtspiNode::path() const {
    return object_ ? QString::fromUtf8(ATSPI_OBJECT(object_.get())->path) : QString();
}

std::vector<AtspiNode> AtspiNode::children() const {
    std::vector<AtspiNode> out;
    if (!object_) return out;
    GError* error = nullptr;
    const gint count = atspi_accessible_get_child_count(object_.get(), &error);
    if (error) {
        g_error_free(error);
        return out;
    }
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(object_.get(), i, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        }
        if (child) out.emplace_back(child);
    }
    return out;
}

std::vector<AtspiNode> AtspiNode::descendants() const {
    std::vector<AtspiNode> out;
    for (const AtspiNode& child : children()) {
        out.push_back(child);
        const std::vector<AtspiNode> below = child.descendants();
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

QStringList AtspiNode::actions() const {
    QStringList names;
    AtspiAction* action = object_ ? atspi_accessible_get_action_iface(object_.get()) : nullptr;
    if (!action) return names;
    GError* error = nullptr;
    const gint count = atspi_action_get_n_actions(action, &error);
    if (error) g_error_free(error);
    for (gint i = 0; i < count; ++i) {
        error = nullptr;
        names << take(atspi_action_get_action_name(action, i, &error), error);
    }
    g_object_unref(action);
    return names;
}

bool AtspiNode::act(const QString& actionName) const {
    const qsizetype index = actions().indexOf(actionName);
    if (index < 0) return false;
    AtspiAction* action = atspi_accessible_get_action_iface(object_.get());
    GError* error = nullptr;
    const bool done = atspi_action_do_action(action, gint(index), &error);
    const bool failed = error != nullptr;
    if (error) g_error_free(error);
    g_object_unref(action);
    return done && !failed;
}
