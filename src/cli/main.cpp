#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::cout << "usage: vostrel-cli COMMAND [options]\n";
        return argc < 2 ? 2 : 0;
    }
    std::cerr << "vostrel-cli: unknown command " << argv[1] << "\n";
    return 2;
}
