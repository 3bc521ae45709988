// The least a load has to do: walk the tree breadth first and read the last 128 bytes of
// every file. No names, no sorting, no output but a count.
#include <cstdio>
#include <deque>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_naming_baseline DIR\n");
        return 2;
    }
    std::deque<std::string> queue{argv[1]};
    long files = 0;
    long tags = 0;
    while (!queue.empty()) {
        const std::string dir = std::move(queue.front());
        queue.pop_front();
        DIR *d = ::opendir(dir.c_str());
        if (!d)
            continue;
        while (const dirent *e = ::readdir(d)) {
            if (e->d_name[0] == '.' &&
                (e->d_name[1] == 0 || (e->d_name[1] == '.' && e->d_name[2] == 0)))
                continue;
            std::string path = dir + '/' + e->d_name;
            if (e->d_type == DT_DIR) {
                queue.push_back(std::move(path));
                continue;
            }
            if (e->d_type != DT_REG)
                continue;
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            struct stat st;
            char block[128];
            if (::fstat(fd, &st) == 0 && st.st_size >= 128 &&
                ::pread(fd, block, sizeof block, st.st_size - 128) == 128 && block[0] == 'T' &&
                block[1] == 'A' && block[2] == 'G')
                ++tags;
            ::close(fd);
            ++files;
        }
        ::closedir(d);
    }
    std::printf("%ld files, %ld tags\n", files, tags);
    return 0;
}
