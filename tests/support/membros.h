#pragma once
// The members of a recording host object, kept by name: each member set is
// written to a journal as "<name>.<Member>=<value>"; a member never set
// reads Empty; a member listed as refused raises 380 when set (and the
// journal says "<name>.<Member> refused").
#include "platform/automation/variant.h"

#include <QStringList>
#include <map>
#include <utility>

namespace tvx::testing {

class Membros {
public:
    Membros(QStringList& journal, QString nome, const QStringList* recusados = nullptr)
        : journal_(journal), nome_(std::move(nome)), recusados_(recusados) {}
    Variant get(const char* membro) const;
    void set(const char* membro, const Variant& v);
    // Sets a member the way the host does on its own: not journaled.
    void setQuietly(const char* membro, const Variant& v) { valores_[QString::fromUtf8(membro)] = v; }
    const QString& nome() const { return nome_; }

protected:
    void log(const QString& call) const { journal_ << nome_ + u'.' + call; }

private:
    QStringList& journal_;
    QString nome_;
    const QStringList* recusados_;
    std::map<QString, Variant> valores_;
};

}  // namespace tvx::testing

// A host property kept in the object's Membros.
#define TVX_RECORDED_MEMBER(Name)                        \
    Variant Name() const override { return get(#Name); } \
    void Name(const Variant& value) override { set(#Name, value); }
