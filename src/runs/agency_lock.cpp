#include "runs/agency_lock.h"

#include "runs/process_identity.h"

#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace tvx {

namespace {

// An open-file-description lock: not shared with the process's other
// descriptors of the file (so no other open or close of it frees it), and
// refused to a second taker in the same process too.
bool bloquear(int fd) {
    struct flock l {};
    l.l_type = F_WRLCK;
    l.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &l) == 0;
}

QString textoDoErro(int numero) { return QString::fromLocal8Bit(std::strerror(numero)); }

}  // namespace

AgencyLock::~AgencyLock() { libertar(); }

bool AgencyLock::adquirir(const QString& sFicheiro) {
    libertar();
    const QString caminho = ficheiroDoBloqueio(sFicheiro);
    const QByteArray nome = QFile::encodeName(caminho);
    const int fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        recusa_ = QStringLiteral(
                      "Não foi possível bloquear o ficheiro da agência %1 para esta operação (%2: %3). "
                      "Nada foi alterado.")
                      .arg(sFicheiro, caminho, textoDoErro(errno));
        return false;
    }
    if (!bloquear(fd)) {
        const int erro = errno;
        QFile dono;
        QString quem;
        if (dono.open(fd, QIODevice::ReadOnly)) quem = QString::fromUtf8(dono.readAll()).trimmed();
        ::close(fd);
        recusa_ = (erro == EAGAIN || erro == EACCES)
                      ? QStringLiteral(
                            "O ficheiro da agência %1 está a ser usado por outra operação (%2). Nada foi "
                            "alterado; volte a tentar quando essa operação terminar.")
                            .arg(sFicheiro, quem.isEmpty() ? QStringLiteral("sem identificação") : quem)
                      : QStringLiteral("Não foi possível bloquear o ficheiro da agência %1 (%2). Nada foi alterado.")
                            .arg(sFicheiro, textoDoErro(erro));
        return false;
    }
    const ProcessIdentity eu = ProcessIdentity::current();
    const QByteArray quem = QStringLiteral("no posto %1, processo %2, desde %3")
                                .arg(eu.estacao, QString::number(eu.pid),
                                     QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")))
                                .toUtf8();
    // Who holds it, for the message of a refused run; the lock holds without it.
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, quem.constData(), size_t(quem.size()), 0);
    fd_ = fd;
    return true;
}

void AgencyLock::libertar() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing the description frees its lock
    fd_ = -1;
}

}  // namespace tvx
