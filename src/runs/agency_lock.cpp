#include "runs/agency_lock.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/clock.h"
#include "runs/process_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
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

// The first bytes of every SQLite database file.
bool eBaseDeDados(int fd) {
    static const char Cabecalho[] = "SQLite format 3";
    char lido[sizeof Cabecalho] = {};
    return ::pread(fd, lido, sizeof lido, 0) == ssize_t(sizeof lido) && std::memcmp(lido, Cabecalho, sizeof lido) == 0;
}

// What the lock file holds: "company\tworkstation\tprocess\tsince", or nothing.
struct Dono {
    QString empresa, estacao, processo, desde;
    static Dono de(const QByteArray& texto) {
        const QStringList partes = QString::fromUtf8(texto).trimmed().split(u'\t');
        if (partes.size() < 4) return {};
        return {partes[0], partes[1], partes[2], partes[3]};
    }
    QString quem() const { return QStringLiteral("no posto %1, processo %2, desde %3").arg(estacao, processo, desde); }
};

QByteArray lerTudo(int fd) {
    QByteArray texto;
    char bloco[512];
    for (off_t pos = 0;;) {
        const ssize_t n = ::pread(fd, bloco, sizeof bloco, pos);
        if (n <= 0) break;
        texto.append(bloco, n);
        pos += n;
    }
    return texto;
}

// Replaces the lock file's text, on disk before it returns.
bool escrever(int fd, const QByteArray& texto) {
    if (::ftruncate(fd, 0) != 0) return false;
    if (!texto.isEmpty() && ::pwrite(fd, texto.constData(), size_t(texto.size()), 0) != ssize_t(texto.size()))
        return false;
    return ::fsync(fd) == 0;
}

}  // namespace

AgencyLock::~AgencyLock() { libertar(false); }

QString AgencyLock::ficheiroDoBloqueio(const QString& sPasta, ino_t inode) {
    return QDir(sPasta).filePath(QStringLiteral(".telvarix-%1.lock").arg(quint64(inode)));
}

bool AgencyLock::adquirir(const QString& sFicheiro, const QString& sEmpresa) {
    libertar(false);
    recusa_.clear();
    // Nothing is made beside a path before it is known to be a database.
    const QString canonico = QFileInfo(sFicheiro).canonicalFilePath();
    const int base = canonico.isEmpty() ? -1 : ::open(QFile::encodeName(canonico).constData(), O_RDONLY | O_CLOEXEC);
    if (base < 0) {
        recusa_ = QStringLiteral("O ficheiro da agência %1 não existe ou não pode ser aberto (%2). Nada foi alterado.")
                      .arg(sFicheiro, textoDoErro(canonico.isEmpty() ? ENOENT : errno));
        return false;
    }
    struct stat estado {};
    const bool valido = ::fstat(base, &estado) == 0 && S_ISREG(estado.st_mode) && eBaseDeDados(base);
    ::close(base);
    if (!valido) {
        recusa_ = QStringLiteral("%1 não é uma base de dados da agência. Nada foi alterado.").arg(sFicheiro);
        return false;
    }

    const QString caminho = ficheiroDoBloqueio(QFileInfo(canonico).absolutePath(), estado.st_ino);
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        recusa_ = QStringLiteral(
                      "Não foi possível bloquear o ficheiro da agência %1 para esta operação (%2: %3). "
                      "Nada foi alterado.")
                      .arg(sFicheiro, caminho, textoDoErro(errno));
        return false;
    }
    if (!bloquear(fd)) {
        const int erro = errno;
        const Dono dono = Dono::de(lerTudo(fd));
        ::close(fd);
        recusa_ = (erro == EAGAIN || erro == EACCES)
                      ? QStringLiteral(
                            "O ficheiro da agência %1 está a ser usado por outra operação (%2). Nada foi "
                            "alterado; volte a tentar quando essa operação terminar.")
                            .arg(sFicheiro, dono.empresa.isEmpty()
                                                ? QStringLiteral("sem identificação")
                                                : QStringLiteral("empresa %1, %2").arg(dono.empresa, dono.quem()))
                      : QStringLiteral("Não foi possível bloquear o ficheiro da agência %1 (%2). Nada foi alterado.")
                            .arg(sFicheiro, textoDoErro(erro));
        return false;
    }
    // A holder still named is one that ended uncleanly: its company may have
    // a document in flight on this file, and only that company can complete it.
    const Dono anterior = Dono::de(lerTudo(fd));
    if (!anterior.empresa.isEmpty() && anterior.empresa != sEmpresa) {
        ::close(fd);
        recusa_ = QStringLiteral(
                      "O ficheiro da agência %1 ficou com uma operação da empresa %2 interrompida (%3). Nada foi "
                      "alterado: abra a empresa %2 e repita essa operação, que conclui o que ficou a meio; depois "
                      "volte a esta.")
                      .arg(sFicheiro, anterior.empresa, anterior.quem());
        return false;
    }
    const ProcessIdentity eu = ProcessIdentity::current();
    const QByteArray dono = QStringLiteral("%1\t%2\t%3\t%4\n")
                                .arg(sEmpresa, eu.estacao, QString::number(eu.pid),
                                     clock().now().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")))
                                .toUtf8();
    if (!escrever(fd, dono)) {
        const int erro = errno;
        ::close(fd);
        recusa_ = QStringLiteral("Não foi possível bloquear o ficheiro da agência %1 (%2: %3). Nada foi alterado.")
                      .arg(sFicheiro, caminho, textoDoErro(erro));
        return false;
    }
    fd_ = fd;
    ficheiro_ = sFicheiro;
    dispositivo_ = estado.st_dev;
    inode_ = estado.st_ino;
    return true;
}

void AgencyLock::verificar() const {
    if (fd_ < 0) return;
    struct stat estado {};
    if (::stat(QFile::encodeName(ficheiro_).constData(), &estado) == 0 && estado.st_dev == dispositivo_ &&
        estado.st_ino == inode_)
        return;
    err::raise(err::Unspecified,
               QStringLiteral("O ficheiro da agência %1 foi removido ou substituído durante a operação: as marcas já "
                              "não chegariam aos seus registos. Reponha o ficheiro e volte a importar.")
                   .arg(ficheiro_),
               QStringLiteral("AgencyLock"));
}

void AgencyLock::libertar(bool limpo) {
    if (fd_ < 0) return;
    if (limpo) (void)escrever(fd_, {});  // a failed write only keeps the holder named: safe
    ::close(fd_);                        // closing the description frees its lock
    fd_ = -1;
}

}  // namespace tvx
