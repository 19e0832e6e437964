#include "validacao/NomeVolume.h"

#include "dados/Texto1252.h"
#include "dados/Versao.h"

#include <system_error>
#include <type_traits>

namespace tessarin {

namespace fs = std::filesystem;

namespace {

// The file name's own bytes: on POSIX whatever the file system holds (usually UTF-8, possibly a single-byte
// encoding), elsewhere the name as UTF-8.
std::string BytesDoNome(const fs::path& caminho)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>) {
        return caminho.native();
    } else {
        const std::u8string u = caminho.u8string();
        return std::string(u.begin(), u.end());
    }
}

fs::path CaminhoDosBytes(const std::string& bytes)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>) {
        return fs::path(bytes);
    } else {
        return fs::path(std::u8string(bytes.begin(), bytes.end()));
    }
}

// A volume file is there when a regular file of that name is; a name with a NUL byte can name no file, and a
// failing look-up (permissions, a name too long) counts as absent rather than ending the choice.
bool ArquivoExiste(const fs::path& pasta, const std::string& nomeEmDisco, fs::path& encontrado)
{
    if (nomeEmDisco.find('\0') != std::string::npos) {
        return false;
    }
    const fs::path caminho = pasta / CaminhoDosBytes(nomeEmDisco);
    std::error_code erro;
    if (fs::is_regular_file(caminho, erro)) {
        encontrado = caminho;
        return true;
    }
    return false;
}

// Looks for a sibling of the Mestre file: first by the derived upper-case name, then by the chosen file's own
// name with only the type letter changed, keeping its letter case, so that a volume written in lower case is
// found on a case-sensitive file system.
bool ProcuraIrmao(const fs::path& pasta, const std::string& nomeDerivado, bool nomeEmUtf8,
                  const std::string& nomeMestreEmDisco, char tipo, fs::path& encontrado)
{
    const std::string comoDerivado = nomeEmUtf8 ? ParaUtf8(nomeDerivado) : nomeDerivado;
    if (ArquivoExiste(pasta, comoDerivado, encontrado)) {
        return true;
    }
    // The name passed both checks, so its last five characters are the type letter, "." and three ASCII
    // characters of the volume number, whatever the encoding of the characters before them.
    std::string mesmoPadrao = nomeMestreEmDisco;
    char& letra = mesmoPadrao[mesmoPadrao.size() - 5];
    letra = (letra == 'm') ? static_cast<char>(tipo - 'A' + 'a') : tipo;
    return mesmoPadrao != comoDerivado && ArquivoExiste(pasta, mesmoPadrao, encontrado);
}

} // namespace

VolumeEscolhido EscolheVolume(const fs::path& caminhoMestre, std::string_view cnpjContribuinte)
{
    VolumeEscolhido v;
    const std::string emDisco = BytesDoNome(caminhoMestre.filename());
    // A name that is valid UTF-8 is read as such; any other byte sequence is already single-byte text. Either
    // way each character of the name is one byte from here on, as the name rules count them.
    const bool emUtf8 = Utf8Valido(emDisco);
    v.NomeMestre = MaiusculasWin1252(emUtf8 ? ParaWin1252(emDisco) : emDisco);

    ResultadoNomeMestre mestre = ValidarNomeMestre(v.NomeMestre, cnpjContribuinte);
    if (!mestre.Ok) {
        v.Mensagem = std::move(mestre.Mensagem);
        return v;
    }
    const std::string resultado = ValidarNomeArquivo(v.NomeMestre, "M");
    if (resultado != "RET_OK") {
        static const std::string invalido = ParaWin1252("] é inválido: ");
        v.Mensagem = "Nome do arquivo Mestre [" + v.NomeMestre + invalido + resultado + " .";
        return v;
    }

    // The type letter stands right before the point, three characters from the end. Splitting at the
    // position rather than at the first "M." keeps a series such as "M.1" from being taken for it.
    const ComponentesVolume& c = mestre.Componentes;
    v.NomeItem = c.NomeBase + "I." + c.NumeroVolume;
    v.NomeDestinatario = c.NomeBase + "D." + c.NumeroVolume;

    const fs::path pasta = caminhoMestre.parent_path();
    static const std::string naoLocalizado = ParaWin1252(") não localizado...");
    if (!ProcuraIrmao(pasta, v.NomeItem, emUtf8, emDisco, 'I', v.CaminhoItem)) {
        v.Mensagem = "Arquivo de Itens (" + v.NomeItem + naoLocalizado;
        return v;
    }
    if (!ProcuraIrmao(pasta, v.NomeDestinatario, emUtf8, emDisco, 'D', v.CaminhoDestinatario)) {
        v.Mensagem = "Arquivo de Cadastro (" + v.NomeDestinatario + naoLocalizado;
        v.CaminhoItem.clear();
        return v;
    }

    static const std::string titulo = ParaWin1252("Valida Arquivos de volumes - Arquivo mestre selecionado : ");
    static const std::string versao = ParaWin1252("  - Validador versão ");
    v.Titulo = titulo + v.NomeMestre + versao + VersaoComPonto();
    v.CaminhoMestre = caminhoMestre;
    v.Componentes = std::move(mestre.Componentes);
    v.Ok = true;
    return v;
}

} // namespace tessarin
