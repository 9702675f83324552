# Two entry points: `make run` and `make test`. Both install what is missing
# (firebird3.0-server only for the private server the test suite starts;
# its system service is not used),
# configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase \
  libqt6printsupport6 firebird3.0-server-core firebird3.0-common libfbclient2 \
  firebird3.0-utils firebird-dev libkainjow-mustache-dev fonts-dejavu-core \
  googletest libgtest-dev poppler-utils firebird3.0-server python3 \
  libxlsxwriter-dev unzip
DEMO_DB ?= $(abspath $(BUILD))/demo/demo.fdb

.PHONY: all deps configure build run test demo benchmark clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	@[ -f $(DEMO_DB) ] || (mkdir -p $(dir $(DEMO_DB)) && $(BUILD)/bin/plan demo-db $(DEMO_DB))

run: demo
	$(BUILD)/bin/planhost --db $(DEMO_DB) || $(BUILD)/bin/plan info --db $(DEMO_DB)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Timings of the forecasts over the demo fleet and a fleet of 1,000 aircraft
# (the fleets are built once, in $(BUILD)/bench-data).
benchmark: build
	cmake --build $(BUILD) --target benchmark

clean:
	rm -rf $(BUILD)
