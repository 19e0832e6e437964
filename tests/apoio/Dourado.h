#pragma once

// Golden runs: a whole volume validated through the real driver with the recording ports, its list, log
// and message boxes compared byte for byte with files under tests/golden/. Setting the environment
// variable TESSARIN_REGENERAR=1 rewrites the files instead of comparing, so a reviewer reads the diff.

#include "PortasGravadas.h"
#include "VolumeTemporario.h"

#include "relato/ContextoValidacao.h"
#include "validacao/GeradorVolume.h"
#include "validacao/NomeVolume.h"
#include "validacao/ValidacaoVolume.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace tessarin::teste {

inline std::filesystem::path PastaDourada()
{
    return std::filesystem::path(TESSARIN_DIR_TESTES) / "golden";
}

// Compares `bytes` with the golden file `nome` (or rewrites it when regenerating).
inline void ConfereDourado(const std::string& nome, const std::string& bytes)
{
    const auto caminho = PastaDourada() / nome;
    const char* regenerar = std::getenv("TESSARIN_REGENERAR");
    if (regenerar != nullptr && std::string(regenerar) == "1") {
        std::filesystem::create_directories(caminho.parent_path());
        EscreveArquivo(caminho, bytes);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(caminho))
        << "golden file missing: " << nome << " (run with TESSARIN_REGENERAR=1 to write it)";
    EXPECT_EQ(ParaUtf8(LeArquivo(caminho)), ParaUtf8(bytes)) << "golden file " << nome;
}

// The list as "&Salvar Mensagens" writes it: every line followed by CR LF.
inline std::string ListaSalva(const PortasGravadas& portas)
{
    std::string texto;
    for (const auto& l : portas.Lista) {
        texto += l + "\r\n";
    }
    return texto;
}

// The message boxes, one block each: the kind, then the text (CR line breaks kept), then a blank line.
inline std::string MensagensGravadas(const PortasGravadas& portas)
{
    std::string texto;
    for (const auto& m : portas.Mensagens) {
        texto += m.Tipo == TipoMensagem::Erro          ? "[erro]\r\n"
                 : m.Tipo == TipoMensagem::Advertencia ? "[advertencia]\r\n"
                                                       : "[informacao]\r\n";
        texto += m.Texto + "\r\n\r\n";
    }
    return texto;
}

// One run over a volume already written in `pasta`.
struct ExecucaoDourada
{
    PortasGravadas Portas;
    ContextoValidacao Ctx;
    ResultadoValidacao Resultado;
    std::string Log;
    VolumeEscolhido Volume;

    // `comLog`: answer Yes to the log question and write the log beside the volume.
    ExecucaoDourada(const std::filesystem::path& pasta, const std::string& nomeMestre, bool comLog,
                    const std::string& cnpj = "11222333000181", int interromperNaChamada = 0)
    {
        Volume = EscolheVolume(pasta / nomeMestre, cnpj);
        if (!Volume.Ok) {
            ADD_FAILURE() << "volume rejected: " << ParaUtf8(Volume.Mensagem);
            return;
        }
        DefineVolume(Ctx, Volume);
        const auto caminhoLog = pasta / "log.txt";
        if (comLog) {
            Portas.Respostas.push_back(true);
            Portas.ArquivosSalvar.push_back(caminhoLog.string());
        } else {
            Portas.Respostas.push_back(false);
        }
        Portas.InterromperNaChamada = interromperNaChamada;
        if (interromperNaChamada > 0) {
            Portas.Respostas.push_back(true); // "Deseja interromper a validação ?"
        }
        ValidacaoVolume validacao(Ctx, Portas.TodasAsPortas());
        Resultado = validacao.BtnValidarClick();
        if (comLog) {
            Log = LeArquivo(caminhoLog);
        }
    }

    // Compares list, messages and (when written) log with tests/golden/<caso>.*.txt.
    void Confere(const std::string& caso) const
    {
        ConfereDourado(caso + ".lista.txt", ListaSalva(Portas));
        ConfereDourado(caso + ".mensagens.txt", MensagensGravadas(Portas));
        if (!Log.empty()) {
            ConfereDourado(caso + ".log.txt", Log);
        }
    }
};

// The parameters of a sample volume: reference, UF and model, and its size (documents, items each).
inline ParametrosVolume ParametrosDe(std::string referencia, std::string uf, std::string modelo,
                                     std::int64_t documentos = 3, int itens = 2)
{
    ParametrosVolume p;
    p.Referencia = std::move(referencia);
    p.Uf = std::move(uf);
    p.Modelo = std::move(modelo);
    p.Documentos = documentos;
    p.ItensPorDocumento = itens;
    return p;
}

// Writes the generator's volume into a fresh folder named after the case; returns the folder.
inline std::filesystem::path GravaVolume(const std::string& caso, const GeradorVolume& gerador)
{
    const auto pasta = PastaTemporaria("dourado-" + caso);
    const VolumeGravado gravado = gerador.Grava(pasta);
    EXPECT_TRUE(gravado.Ok()) << ParaUtf8(gravado.Erro);
    return pasta;
}

} // namespace tessarin::teste
