// Properties in the style the modules use them (rs->adoEOF, rs->RecordCount,
// rs->Bookmark = v): small members that call the owner's getter or setter.
// They live inside objects that are never copied (always held by pointer).
#pragma once

template <class Owner, class T, T (Owner::*Get)() const>
class AdoReadProperty {
public:
    explicit AdoReadProperty(const Owner* owner) : owner_(owner) {}
    AdoReadProperty(const AdoReadProperty&) = delete;
    AdoReadProperty& operator=(const AdoReadProperty&) = delete;
    operator T() const { return (owner_->*Get)(); }

private:
    const Owner* owner_;
};

template <class Owner, class T, T (Owner::*Get)() const, void (Owner::*Put)(const T&)>
class AdoProperty {
public:
    explicit AdoProperty(Owner* owner) : owner_(owner) {}
    AdoProperty(const AdoProperty&) = delete;
    operator T() const { return (owner_->*Get)(); }
    AdoProperty& operator=(const T& value)
    {
        (owner_->*Put)(value);
        return *this;
    }
    AdoProperty& operator=(const AdoProperty& other) { return *this = static_cast<T>(other); }

private:
    Owner* owner_;
};

// An indexed property (rs->Collect["name"], rs->Fields->Item[0]).
template <class Owner, class T, class Index, T (Owner::*Get)(const Index&) const>
class AdoIndexedProperty {
public:
    explicit AdoIndexedProperty(const Owner* owner) : owner_(owner) {}
    AdoIndexedProperty(const AdoIndexedProperty&) = delete;
    AdoIndexedProperty& operator=(const AdoIndexedProperty&) = delete;
    T operator[](const Index& index) const { return (owner_->*Get)(index); }

private:
    const Owner* owner_;
};
