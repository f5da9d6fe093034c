// The one switch that holds the three catalog filters: while it is on, each filter returns
// at once. Code that changes many conditions at once turns it on for the span of a Scope,
// then refilters once. Its owner (the window that holds the catalog pages) also keeps it on
// through start-up, until every catalog has its choices; the pages only read it and open
// scopes.
#pragma once

namespace zemlo {

class FilterSuspension {
public:
    bool Active() const { return active_; }

    // For the owner: start-up turns it on, the end of the catalogs' preparation off.
    void Set(bool active) { active_ = active; }

    // On while the scope lives; then back as it was, so a scope inside another (or inside
    // start-up) does not lift the outer hold.
    class Scope {
    public:
        explicit Scope(FilterSuspension& suspension)
            : suspension_(suspension), before_(suspension.active_) {
            suspension_.active_ = true;
        }
        ~Scope() { suspension_.active_ = before_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        FilterSuspension& suspension_;
        bool before_;
    };

private:
    // The filters wait from the window's construction until start-up has prepared the
    // catalogs.
    bool active_ = true;
};

}  // namespace zemlo
