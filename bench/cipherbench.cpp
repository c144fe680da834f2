// Our AES-128 against OpenSSL's AES-128-ECB on the same buffer. Run with
// OPENSSL_ia32cap hiding the AES instructions (make bench does) to compare
// with OpenSSL's portable code path.

#include "project/aes.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <openssl/evp.h>
#include <vector>

namespace
{

constexpr int blockSize = 16;
// About the size of a 3,000-function project file.
constexpr int bufferSize = 1 << 20;
// The FIPS-197 example key; speed does not depend on it.
const quint8 key[blockSize] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

enum class Direction { Encrypt, Decrypt };

void runOwn(const AesContext &context, Direction direction, std::vector<quint8> &data)
{
    const auto apply = direction == Direction::Encrypt ? aesEncryptBlock : aesDecryptBlock;
    for (std::size_t offset = 0; offset < data.size(); offset += blockSize)
        apply(context, data.data() + offset);
}

// OpenSSL's AES-128-ECB through its EVP interface, without padding.
class OpenSslEcb
{
public:
    explicit OpenSslEcb(Direction direction) : context(EVP_CIPHER_CTX_new())
    {
        EVP_CipherInit_ex(context, EVP_aes_128_ecb(), nullptr, key, nullptr,
                          direction == Direction::Encrypt ? 1 : 0);
        EVP_CIPHER_CTX_set_padding(context, 0);
    }
    ~OpenSslEcb() { EVP_CIPHER_CTX_free(context); }
    OpenSslEcb(const OpenSslEcb &) = delete;
    OpenSslEcb &operator=(const OpenSslEcb &) = delete;

    void run(const std::vector<quint8> &in, std::vector<quint8> &out)
    {
        int written = 0;
        EVP_CipherUpdate(context, out.data(), &written, in.data(), int(in.size()));
    }

private:
    EVP_CIPHER_CTX *context;
};

void reportThroughput(benchmark::State &state)
{
    state.SetBytesProcessed(state.iterations() * bufferSize);
    state.counters["blocks"] = benchmark::Counter(
        double(state.iterations()) * bufferSize / blockSize, benchmark::Counter::kIsRate);
}

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Also reports how many times slower than OpenSSL the cipher is ("x_OpenSSL"),
// timing OpenSSL for as many rounds right after, so that both see the same load.
void CipherOwn(benchmark::State &state, Direction direction)
{
    std::vector<quint8> data(bufferSize, 0x5a);
    AesContext context;
    aesInit(context, key);
    const auto ownStart = std::chrono::steady_clock::now();
    for (auto _ : state) {
        runOwn(context, direction, data);
        benchmark::ClobberMemory();
    }
    const double ownSeconds = seconds(ownStart);

    OpenSslEcb yardstick(direction);
    std::vector<quint8> out(bufferSize);
    const auto yardstickStart = std::chrono::steady_clock::now();
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) {
        yardstick.run(data, out);
        benchmark::ClobberMemory();
    }
    state.counters["x_OpenSSL"] = ownSeconds / seconds(yardstickStart);
    reportThroughput(state);
}

void CipherOpenSsl(benchmark::State &state, Direction direction)
{
    const std::vector<quint8> in(bufferSize, 0x5a);
    std::vector<quint8> out(bufferSize);
    OpenSslEcb cipher(direction);
    for (auto _ : state) {
        cipher.run(in, out);
        benchmark::ClobberMemory();
    }
    reportThroughput(state);
}

} // namespace

BENCHMARK_CAPTURE(CipherOwn, encrypt, Direction::Encrypt);
BENCHMARK_CAPTURE(CipherOwn, decrypt, Direction::Decrypt);
BENCHMARK_CAPTURE(CipherOpenSsl, encrypt, Direction::Encrypt);
BENCHMARK_CAPTURE(CipherOpenSsl, decrypt, Direction::Decrypt);
