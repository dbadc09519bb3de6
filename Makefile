# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing.
.PHONY: run test setup build dist format bench screenshot clean

run:
	bash scripts/run.sh

test:
	bash scripts/test.sh

setup:
	bash scripts/setup.sh

build: setup
	cmake --preset win32 && cmake --build --preset win32 -j$$(nproc)

# The release (installer/): the setup program and the portable zip of the shipped build in dist/.
dist: setup
	rm -rf dist
	cmake --preset win32 && cmake --build --preset win32 --target dist -j$$(nproc)

bench: setup
	cmake --preset native && cmake --build --preset native -j$$(nproc) && bash scripts/bench.sh

format:
	(git ls-files; git ls-files --others --exclude-standard) | grep -E '\.(c|cc|cpp|h|hpp)$$' | sort -u | xargs -r clang-format -i

screenshot:
	bash scripts/screenshot.sh

clean:
	rm -rf build
