{******************************************************************}
{                                                                  }
{       Quillmap 2 sample class library                            }
{       Graphics unit: fonts, pens, brushes, canvases and images   }
{                                                                  }
{******************************************************************}

unit Graphics;

interface

uses SysUtils, Classes;

{ Graphics objects }

type
  TColor = -$7FFFFFFF-1..$7FFFFFFF;

const
  clScrollBar = TColor(-2147483648);
  clBackground = TColor(-2147483647);
  clActiveCaption = TColor(-2147483646);
  clInactiveCaption = TColor(-2147483645);
  clMenu = TColor(-2147483644);
  clWindow = TColor(-2147483643);
  clWindowFrame = TColor(-2147483642);
  clMenuText = TColor(-2147483641);
  clWindowText = TColor(-2147483640);
  clCaptionText = TColor(-2147483639);
  clActiveBorder = TColor(-2147483638);
  clInactiveBorder = TColor(-2147483637);
  clAppWorkSpace = TColor(-2147483636);
  clHighlight = TColor(-2147483635);
  clHighlightText = TColor(-2147483634);
  clBtnFace = TColor(-2147483633);
  clBtnShadow = TColor(-2147483632);
  clGrayText = TColor(-2147483631);
  clBtnText = TColor(-2147483630);
  clInactiveCaptionText = TColor(-2147483629);
  clBtnHighlight = TColor(-2147483628);
  cl3DDkShadow = TColor(-2147483627);
  cl3DLight = TColor(-2147483626);
  clInfoText = TColor(-2147483625);
  clInfoBk = TColor(-2147483624);

  clBlack = TColor($000000);
  clMaroon = TColor($000080);
  clGreen = TColor($008000);
  clOlive = TColor($008080);
  clNavy = TColor($800000);
  clPurple = TColor($800080);
  clTeal = TColor($808000);
  clGray = TColor($808080);
  clSilver = TColor($C0C0C0);
  clRed = TColor($0000FF);
  clLime = TColor($00FF00);
  clYellow = TColor($00FFFF);
  clBlue = TColor($FF0000);
  clFuchsia = TColor($FF00FF);
  clAqua = TColor($FFFF00);
  clLtGray = TColor($C0C0C0);
  clDkGray = TColor($808080);
  clWhite = TColor($FFFFFF);
  clNone = TColor($1FFFFFFF);
  clDefault = TColor($20000000);

  { Copy modes }
  cmBlackness = $00000042;
  cmDstInvert = $00550009;
  cmMergeCopy = $00C000CA;
  cmMergePaint = $00BB0226;
  cmNotSrcCopy = $00330008;
  cmNotSrcErase = $001100A6;
  cmPatCopy = $00F00021;
  cmPatInvert = $005A0049;
  cmPatPaint = $00FB0A09;
  cmSrcAnd = $008800C6;
  cmSrcCopy = 13369376;
  cmSrcErase = $00440328;
  cmSrcInvert = $00660046;
  cmSrcPaint = $00EE0086;
  cmWhiteness = $00FF0062;

  DefFontData: record
    Height: Integer;
    Name: string[31];
  end = (Height: 0; Name: 'MS Sans Serif');

type
  { TSketch = class(TGraphic) would be how a new picture format starts;
    see TBitmap and TMetafile below. }
  EInvalidGraphic = class(Exception);
  EInvalidGraphicOperation = class(Exception);

  TGraphic = class;
  TBitmap = class;
  TIcon = class;
  TMetafile = class;

  TFontPitch = (fpDefault, fpVariable, fpFixed);
  TFontName = string[31];
  TFontStyle = (fsBold, fsItalic, fsUnderline, fsStrikeOut);
  TFontStyles = set of TFontStyle;
  TPenStyle = (psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear,
    psInsideFrame);
  TPenMode = (pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy,
    pmMergePenNot, pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge,
    pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor);
  TBrushStyle = (bsSolid, bsClear, bsHorizontal, bsVertical,
    bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross);
  TFillStyle = (fsSurface, fsBorder);
  TCopyMode = Longint;
  TCanvasStates = (csHandleValid, csFontValid, csPenValid, csBrushValid);
  TCanvasState = set of TCanvasStates;

  PLogFont = ^TLogFont;
  TLogFont = record
    lfHeight: Longint;
    lfWidth: Longint;
    lfEscapement: Longint;
    lfOrientation: Longint;
    lfWeight: Longint;
    lfItalic: Byte;
    lfUnderline: Byte;
    lfStrikeOut: Byte;
    lfCharSet: Byte;
    lfOutPrecision: Byte;
    lfClipPrecision: Byte;
    lfQuality: Byte;
    lfPitchAndFamily: Byte;
    lfFaceName: array[0..31] of Char;
  end;

  PResource = ^TResource;
  TResource = record
    Next: PResource;
    RefCount: Integer;
    Handle: THandle;
    HashCode: Word;
  end;

  { Shares identical GDI objects between graphics objects }
  TResourceManager = class(TObject)
  private
    FResList: PResource;
    FResDataSize: Word;
    FCount: Integer;
  protected
    function CreateHandle(Resource: PResource): THandle; virtual; abstract;
  public
    constructor Create(AResDataSize: Word);
    destructor Destroy; override;
    function AllocResource(const ResData): PResource;
    procedure FreeResource(Resource: PResource);
    procedure ChangeResource(GraphicsObject: TObject; const ResData);
    procedure AssignResource(GraphicsObject: TObject; AResource: PResource);
    property Count: Integer read FCount;
  end;

  TFontManager = class(TResourceManager)
  protected
    function CreateHandle(Resource: PResource): THandle; override;
  end;

  TPenManager = class(TResourceManager)
  protected
    function CreateHandle(Resource: PResource): THandle; override;
  end;

  TBrushManager = class(TResourceManager)
  protected
    function CreateHandle(Resource: PResource): THandle; override;
  end;

  TGraphicsObject = class(TPersistent)
  private
    FOnChange: TNotifyEvent;
    FResource: PResource;
  protected
    procedure Changed; dynamic;
  public
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TFont = class(TGraphicsObject)
  private
    FColor: TColor;
    FPixelsPerInch: Integer;
    FHandle: HFont;
    FHeight: Integer;
    FName: TFontName;
    FPitch: TFontPitch;
    FStyle: TFontStyles;
    function GetHandle: HFont;
    function GetSize: Integer;
    procedure SetColor(Value: TColor);
    procedure SetHandle(Value: HFont);
    procedure SetHeight(Value: Integer);
    procedure SetName(const Value: TFontName);
    procedure SetPitch(Value: TFontPitch);
    procedure SetSize(Value: Integer);
    procedure SetStyle(Value: TFontStyles);
  protected
    procedure Changed; override;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Handle: HFont read GetHandle write SetHandle;
    property PixelsPerInch: Integer read FPixelsPerInch write FPixelsPerInch;
  published
    property Color: TColor read FColor write SetColor;
    property Height: Integer read FHeight write SetHeight;
    property Name: TFontName read FName write SetName;
    property Pitch: TFontPitch read FPitch write SetPitch default fpDefault;
    property Size: Integer read GetSize write SetSize stored False;
    property Style: TFontStyles read FStyle write SetStyle;
  end;

  TPen = class(TGraphicsObject)
  private
    FHandle: HPen;
    FColor: TColor;
    FMode: TPenMode;
    FStyle: TPenStyle;
    FWidth: Integer;
    function GetHandle: HPen;
    procedure SetHandle(Value: HPen);
    procedure SetColor(Value: TColor);
    procedure SetMode(Value: TPenMode);
    procedure SetStyle(Value: TPenStyle);
    procedure SetWidth(Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Handle: HPen read GetHandle write SetHandle;
  published
    property Color: TColor read FColor write SetColor default clBlack;
    property Mode: TPenMode read FMode write SetMode default pmCopy;
    property Style: TPenStyle read FStyle write SetStyle default psSolid;
    property Width: Integer read FWidth write SetWidth default 1;
  end;

  TBrush = class(TGraphicsObject)
  private
    FHandle: HBrush;
    FBitmap: TBitmap;
    FColor: TColor;
    FStyle: TBrushStyle;
    function GetHandle: HBrush;
    procedure SetBitmap(Value: TBitmap);
    procedure SetColor(Value: TColor);
    procedure SetHandle(Value: HBrush);
    procedure SetStyle(Value: TBrushStyle);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Bitmap: TBitmap read FBitmap write SetBitmap;
    property Handle: HBrush read GetHandle write SetHandle;
  published
    property Color: TColor read FColor write SetColor default clWhite;
    property Style: TBrushStyle read FStyle write SetStyle default bsSolid;
  end;

  TCanvas = class(TPersistent)
  private
    FHandle: HDC;
    State: TCanvasState;
    FFont: TFont;
    FPen: TPen;
    FBrush: TBrush;
    FPenPos: TPoint;
    FCopyMode: TCopyMode;
    FOnChange: TNotifyEvent;
    FOnChanging: TNotifyEvent;
    procedure CreateBrush;
    procedure CreateFont;
    procedure CreatePen;
    procedure BrushChanged(ABrush: TObject);
    procedure DeselectHandles;
    function GetClipRect: TRect;
    function GetHandle: HDC;
    function GetPenPos: TPoint;
    function GetPixel(X, Y: Integer): TColor;
    procedure FontChanged(AFont: TObject);
    procedure PenChanged(APen: TObject);
    procedure SetBrush(Value: TBrush);
    procedure SetFont(Value: TFont);
    procedure SetHandle(Value: HDC);
    procedure SetPen(Value: TPen);
    procedure SetPenPos(Value: TPoint);
    procedure SetPixel(X, Y: Integer; Value: TColor);
  protected
    procedure Changed; virtual;
    procedure Changing; virtual;
    procedure CreateHandle; virtual;
    procedure RequiredState(ReqState: TCanvasState);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
    procedure BrushCopy(const Dest: TRect; Bitmap: TBitmap;
      const Source: TRect; Color: TColor);
    procedure Chord(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
    procedure CopyRect(const Dest: TRect; Canvas: TCanvas;
      const Source: TRect);
    procedure Draw(X, Y: Integer; Graphic: TGraphic);
    procedure DrawFocusRect(const Rect: TRect);
    procedure Ellipse(X1, Y1, X2, Y2: Integer);
    procedure FillRect(const Rect: TRect);
    procedure FloodFill(X, Y: Integer; Color: TColor; FillStyle: TFillStyle);
    procedure FrameRect(const Rect: TRect);
    procedure LineTo(X, Y: Integer);
    procedure MoveTo(X, Y: Integer);
    procedure Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
    procedure Polygon(const Points: array of TPoint);
    procedure Polyline(const Points: array of TPoint);
    procedure Rectangle(X1, Y1, X2, Y2: Integer);
    procedure Refresh;
    procedure RoundRect(X1, Y1, X2, Y2, X3, Y3: Integer);
    procedure StretchDraw(const Rect: TRect; Graphic: TGraphic);
    function TextExtent(const Text: string): TSize;
    function TextHeight(const Text: string): Integer;
    procedure TextOut(X, Y: Integer; const Text: string);
    procedure TextRect(Rect: TRect; X, Y: Integer; const Text: string);
    function TextWidth(const Text: string): Integer;
    property ClipRect: TRect read GetClipRect;
    property Handle: HDC read GetHandle write SetHandle;
    property PenPos: TPoint read GetPenPos write SetPenPos;
    property Pixels[X, Y: Integer]: TColor read GetPixel write SetPixel;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnChanging: TNotifyEvent read FOnChanging write FOnChanging;
  published
    property Brush: TBrush read FBrush write SetBrush;
    property CopyMode: TCopyMode read FCopyMode write FCopyMode default cmSrcCopy;
    property Font: TFont read FFont write SetFont;
    property Pen: TPen read FPen write SetPen;
  end;

  { TGraphic is the abstract base of pictures that can be drawn on a canvas }
  TGraphic = class(TPersistent)
  private
    FOnChange: TNotifyEvent;
    FModified: Boolean;
    procedure SetModified(Value: Boolean);
  protected
    procedure Changed(Sender: TObject); virtual;
    procedure DefineProperties(Filer: TFiler); override;
    procedure Draw(ACanvas: TCanvas; const Rect: TRect); virtual; abstract;
    function Equals(Graphic: TGraphic): Boolean; virtual;
    function GetEmpty: Boolean; virtual; abstract;
    function GetHeight: Integer; virtual; abstract;
    function GetWidth: Integer; virtual; abstract;
    procedure ReadData(Stream: TStream); virtual;
    procedure SetHeight(Value: Integer); virtual; abstract;
    procedure SetWidth(Value: Integer); virtual; abstract;
    procedure WriteData(Stream: TStream); virtual;
  public
    constructor Create; virtual;
    procedure LoadFromFile(const Filename: string); virtual;
    procedure SaveToFile(const Filename: string); virtual;
    procedure LoadFromStream(Stream: TStream); virtual; abstract;
    procedure SaveToStream(Stream: TStream); virtual; abstract;
    procedure LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE); virtual; abstract;
    procedure SaveToClipboardFormat(var AFormat: Word; var AData: THandle;
      var APalette: HPALETTE); virtual; abstract;
    property Empty: Boolean read GetEmpty;
    property Height: Integer read GetHeight write SetHeight;
    property Modified: Boolean read FModified write SetModified;
    property Width: Integer read GetWidth write SetWidth;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TGraphicClass = class of TGraphic;

  TPicture = class(TPersistent)
  private
    FGraphic: TGraphic;
    FOnChange: TNotifyEvent;
    procedure ForceType(GraphicType: TGraphicClass);
    function GetBitmap: TBitmap;
    function GetHeight: Integer;
    function GetIcon: TIcon;
    function GetMetafile: TMetafile;
    function GetWidth: Integer;
    procedure ReadData(Stream: TStream);
    procedure SetBitmap(Value: TBitmap);
    procedure SetGraphic(Value: TGraphic);
    procedure SetIcon(Value: TIcon);
    procedure SetMetafile(Value: TMetafile);
    procedure WriteData(Stream: TStream);
  protected
    procedure AssignTo(Dest: TPersistent); override;
    procedure Changed(Sender: TObject); dynamic;
    procedure DefineProperties(Filer: TFiler); override;
  public
    destructor Destroy; override;
    procedure LoadFromFile(const Filename: string);
    procedure SaveToFile(const Filename: string);
    procedure LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE);
    procedure SaveToClipboardFormat(var AFormat: Word; var AData: THandle;
      var APalette: HPALETTE);
    class function SupportsClipboardFormat(AFormat: Word): Boolean;
    procedure Assign(Source: TPersistent); override;
    class procedure RegisterFileFormat(const AExtension, ADescription: string;
      AGraphicClass: TGraphicClass);
    class procedure RegisterClipboardFormat(AFormat: Word;
      AGraphicClass: TGraphicClass);
    class procedure UnregisterGraphicClass(AClass: TGraphicClass);
    property Bitmap: TBitmap read GetBitmap write SetBitmap;
    property Graphic: TGraphic read FGraphic write SetGraphic;
    property Height: Integer read GetHeight;
    property Icon: TIcon read GetIcon write SetIcon;
    property Metafile: TMetafile read GetMetafile write SetMetafile;
    property Width: Integer read GetWidth;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TMetafileCanvas = class(TCanvas)
  private
    FMetafile: TMetafile;
  public
    constructor Create(AMetafile: TMetafile; ReferenceDevice: HDC);
    destructor Destroy; override;
  end;

  { Reference-counted image data shared by copies of the same picture }
  TSharedImage = class(TObject)
  private
    FRefCount: Integer;
  protected
    procedure Reference;
    procedure Release;
    procedure FreeHandle; virtual; abstract;
    property RefCount: Integer read FRefCount;
  end;

  TMetafileImage = class(TSharedImage)
  private
    FHandle: HENHMETAFILE;
    FWidth: Integer;
    FHeight: Integer;
    FPalette: HPALETTE;
    FInch: Word;
  protected
    procedure FreeHandle; override;
  public
    destructor Destroy; override;
  end;

  TMetafile = class(TGraphic)
  private
    FImage: TMetafileImage;
    FEnhanced: Boolean;
    function GetAuthor: string;
    function GetDesc: string;
    function GetHandle: HENHMETAFILE;
    function GetInch: Word;
    function GetMMHeight: Integer;
    function GetMMWidth: Integer;
    procedure NewImage;
    procedure SetHandle(Value: HENHMETAFILE);
    procedure SetInch(Value: Word);
    procedure SetMMHeight(Value: Integer);
    procedure SetMMWidth(Value: Integer);
    procedure UniqueImage;
  protected
    function GetEmpty: Boolean; override;
    function GetHeight: Integer; override;
    function GetWidth: Integer; override;
    procedure Draw(ACanvas: TCanvas; const Rect: TRect); override;
    procedure ReadData(Stream: TStream); override;
    procedure ReadEMFStream(Stream: TStream);
    procedure ReadWMFStream(Stream: TStream; Length: Longint);
    procedure SetHeight(Value: Integer); override;
    procedure SetWidth(Value: Integer); override;
    function TestEMF(Stream: TStream): Boolean;
    procedure WriteData(Stream: TStream); override;
    procedure WriteEMFStream(Stream: TStream);
    procedure WriteWMFStream(Stream: TStream);
  public
    constructor Create; override;
    destructor Destroy; override;
    procedure Clear;
    procedure LoadFromStream(Stream: TStream); override;
    procedure SaveToFile(const Filename: string); override;
    procedure SaveToStream(Stream: TStream); override;
    procedure LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE); override;
    procedure SaveToClipboardFormat(var AFormat: Word; var AData: THandle;
      var APalette: HPALETTE); override;
    procedure Assign(Source: TPersistent); override;
    function ReleaseHandle: HENHMETAFILE;
    property CreatedBy: string read GetAuthor;
    property Description: string read GetDesc;
    property Enhanced: Boolean read FEnhanced write FEnhanced default True;
    property Handle: HENHMETAFILE read GetHandle write SetHandle;
    property MMWidth: Integer read GetMMWidth write SetMMWidth;
    property MMHeight: Integer read GetMMHeight write SetMMHeight;
    property Inch: Word read GetInch write SetInch;
  end;

  TBitmapImage = class(TSharedImage)
  private
    FHandle: HBITMAP;
    FMaskHandle: HBITMAP;
    FPalette: HPALETTE;
    FDIBHandle: HBITMAP;
    FSaveStream: TMemoryStream;
    FWidth: Integer;
    FHeight: Integer;
    FMonochrome: Boolean;
  protected
    procedure FreeHandle; override;
  public
    destructor Destroy; override;
  end;

  TBitmap = class(TGraphic)
  private
    FImage: TBitmapImage;
    FCanvas: TCanvas;
    FIgnorePalette: Boolean;
    FTransparentColor: TColor;
    procedure Changing(Sender: TObject);
    procedure CopyImage(AHandle: HBITMAP; APalette: HPALETTE; AWidth,
      AHeight: Integer; AMonochrome: Boolean);
    procedure FreeContext;
    function GetCanvas: TCanvas;
    function GetHandle: HBITMAP; virtual;
    function GetMaskHandle: HBITMAP; virtual;
    function GetMonochrome: Boolean;
    function GetPalette: HPALETTE;
    function GetTransparentColor: TColor;
    procedure NewImage(NewHandle: HBITMAP; NewPalette: HPALETTE;
      NewWidth, NewHeight: Integer; NewMonochrome: Boolean;
      NewSaveStream: TMemoryStream);
    procedure ReadStream(Stream: TStream; Size: Longint);
    procedure SetHandle(Value: HBITMAP);
    procedure SetMonochrome(Value: Boolean);
    procedure SetPalette(Value: HPALETTE);
    procedure WriteStream(Stream: TStream; WriteSize: Boolean);
  protected
    procedure Draw(ACanvas: TCanvas; const Rect: TRect); override;
    function GetEmpty: Boolean; override;
    function GetHeight: Integer; override;
    function GetWidth: Integer; override;
    procedure HandleNeeded;
    procedure MaskHandleNeeded;
    procedure PaletteNeeded;
    procedure ReadData(Stream: TStream); override;
    procedure SetHeight(Value: Integer); override;
    procedure SetWidth(Value: Integer); override;
    procedure WriteData(Stream: TStream); override;
  public
    constructor Create; override;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure Dormant;
    procedure FreeImage;
    procedure LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE); override;
    procedure LoadFromStream(Stream: TStream); override;
    procedure LoadFromResourceName(Instance: THandle; const ResName: string);
    procedure LoadFromResourceID(Instance: THandle; ResID: Integer);
    procedure Mask(TransparentColor: TColor);
    function ReleaseHandle: HBITMAP;
    function ReleaseMaskHandle: HBITMAP;
    function ReleasePalette: HPALETTE;
    procedure SaveToClipboardFormat(var Format: Word; var Data: THandle;
      var APalette: HPALETTE); override;
    procedure SaveToStream(Stream: TStream); override;
    property Canvas: TCanvas read GetCanvas;
    property Handle: HBITMAP read GetHandle write SetHandle;
    property IgnorePalette: Boolean read FIgnorePalette write FIgnorePalette;
    property MaskHandle: HBITMAP read GetMaskHandle;
    property Monochrome: Boolean read GetMonochrome write SetMonochrome;
    property Palette: HPALETTE read GetPalette write SetPalette;
    property TransparentColor: TColor read GetTransparentColor;
  end;

  TIconImage = class(TSharedImage)
  private
    FHandle: HICON;
    FMemoryImage: TCustomMemoryStream;
    FSize: TPoint;
  protected
    procedure FreeHandle; override;
  public
    destructor Destroy; override;
  end;

  TIcon = class(TGraphic)
  private
    FImage: TIconImage;
    function GetHandle: HICON;
    procedure HandleNeeded;
    procedure ImageNeeded;
    procedure NewImage(NewHandle: HICON; NewImage: TMemoryStream);
    procedure SetHandle(Value: HICON);
  protected
    procedure Draw(ACanvas: TCanvas; const Rect: TRect); override;
    function GetEmpty: Boolean; override;
    function GetHeight: Integer; override;
    function GetWidth: Integer; override;
    procedure SetHeight(Value: Integer); override;
    procedure SetWidth(Value: Integer); override;
  public
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure LoadFromStream(Stream: TStream); override;
    function ReleaseHandle: HICON;
    procedure SaveToStream(Stream: TStream); override;
    procedure LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE); override;
    procedure SaveToClipboardFormat(var Format: Word; var Data: THandle;
      var APalette: HPALETTE); override;
    property Handle: HICON read GetHandle write SetHandle;
  end;

var
  SystemPalette16: HPalette;
  FontManager: TFontManager;
  PenManager: TPenManager;
  BrushManager: TBrushManager;

function GraphicFilter(GraphicClass: TGraphicClass): string;
function GraphicExtension(GraphicClass: TGraphicClass): string;
function ColorToRGB(Color: TColor): Longint;
function ColorToString(Color: TColor): string;
function StringToColor(const S: string): TColor;
procedure GetColorValues(Proc: TGetStrProc);
function ColorToIdent(Color: Longint; var Ident: string): Boolean;
function IdentToColor(const Ident: string; var Color: Longint): Boolean;
function CopyPalette(Palette: HPALETTE): HPALETTE;
procedure PaletteChanged;
procedure FreeMemoryContexts;
function GetDefFontCharSet: Byte;

implementation

type
  TColorEntry = record
    Value: TColor;
    Name: string[24];
  end;

  PFileFormat = ^TFileFormat;
  TFileFormat = record
    GraphicClass: TGraphicClass;
    Extension: string;
    Description: string;
  end;

const
  Colors: array[0..40] of TColorEntry = (
    (Value: clBlack; Name: 'clBlack'),
    (Value: clMaroon; Name: 'clMaroon'),
    (Value: clGreen; Name: 'clGreen'),
    (Value: clOlive; Name: 'clOlive'),
    (Value: clNavy; Name: 'clNavy'),
    (Value: clPurple; Name: 'clPurple'),
    (Value: clTeal; Name: 'clTeal'),
    (Value: clGray; Name: 'clGray'),
    (Value: clSilver; Name: 'clSilver'),
    (Value: clRed; Name: 'clRed'),
    (Value: clLime; Name: 'clLime'),
    (Value: clYellow; Name: 'clYellow'),
    (Value: clBlue; Name: 'clBlue'),
    (Value: clFuchsia; Name: 'clFuchsia'),
    (Value: clAqua; Name: 'clAqua'),
    (Value: clWhite; Name: 'clWhite'),
    (Value: clScrollBar; Name: 'clScrollBar'),
    (Value: clBackground; Name: 'clBackground'),
    (Value: clActiveCaption; Name: 'clActiveCaption'),
    (Value: clInactiveCaption; Name: 'clInactiveCaption'),
    (Value: clMenu; Name: 'clMenu'),
    (Value: clWindow; Name: 'clWindow'),
    (Value: clWindowFrame; Name: 'clWindowFrame'),
    (Value: clMenuText; Name: 'clMenuText'),
    (Value: clWindowText; Name: 'clWindowText'),
    (Value: clCaptionText; Name: 'clCaptionText'),
    (Value: clActiveBorder; Name: 'clActiveBorder'),
    (Value: clInactiveBorder; Name: 'clInactiveBorder'),
    (Value: clAppWorkSpace; Name: 'clAppWorkSpace'),
    (Value: clHighlight; Name: 'clHighlight'),
    (Value: clHighlightText; Name: 'clHighlightText'),
    (Value: clBtnFace; Name: 'clBtnFace'),
    (Value: clBtnShadow; Name: 'clBtnShadow'),
    (Value: clGrayText; Name: 'clGrayText'),
    (Value: clBtnText; Name: 'clBtnText'),
    (Value: clInactiveCaptionText; Name: 'clInactiveCaptionText'),
    (Value: clBtnHighlight; Name: 'clBtnHighlight'),
    (Value: cl3DDkShadow; Name: 'cl3DDkShadow'),
    (Value: cl3DLight; Name: 'cl3DLight'),
    (Value: clInfoText; Name: 'clInfoText'),
    (Value: clInfoBk; Name: 'clInfoBk'));

var
  FileFormats: TList;
  ClipboardFormats: TList;
  BitmapCanvasList: TList;

function GraphicFilter(GraphicClass: TGraphicClass): string;
var
  I: Integer;
  Format: PFileFormat;
  Filters: string;
begin
  Result := '';
  Filters := '';
  for I := 0 to FileFormats.Count - 1 do
  begin
    Format := FileFormats[I];
    if Format^.GraphicClass.InheritsFrom(GraphicClass) then
    begin
      if Result <> '' then Result := Result + '|';
      Result := Result + Format^.Description + ' (*.' + Format^.Extension +
        ')|*.' + Format^.Extension;
      if Filters <> '' then Filters := Filters + ';';
      Filters := Filters + '*.' + Format^.Extension;
    end;
  end;
  if Filters <> '' then
    Result := 'All (' + Filters + ')|' + Filters + '|' + Result;
end;

function GraphicExtension(GraphicClass: TGraphicClass): string;
var
  I: Integer;
begin
  for I := 0 to FileFormats.Count - 1 do
    if PFileFormat(FileFormats[I])^.GraphicClass.ClassName = GraphicClass.ClassName then
    begin
      Result := PFileFormat(FileFormats[I])^.Extension;
      Exit;
    end;
  Result := '';
end;

function ColorToRGB(Color: TColor): Longint;
begin
  if Color < 0 then
    Result := GetSysColor(Color and $000000FF)
  else
    Result := Color;
end;

function ColorToIdent(Color: Longint; var Ident: string): Boolean;
var
  I: Integer;
begin
  for I := Low(Colors) to High(Colors) do
    if Colors[I].Value = Color then
    begin
      Ident := Colors[I].Name;
      Result := True;
      Exit;
    end;
  Result := False;
end;

function IdentToColor(const Ident: string; var Color: Longint): Boolean;
var
  I: Integer;
begin
  for I := Low(Colors) to High(Colors) do
    if CompareText(Colors[I].Name, Ident) = 0 then
    begin
      Color := Colors[I].Value;
      Result := True;
      Exit;
    end;
  Result := False;
end;

function ColorToString(Color: TColor): string;
begin
  if not ColorToIdent(Color, Result) then
    Result := '$' + IntToHex(Color, 8);
end;

function StringToColor(const S: string): TColor;
begin
  if not IdentToColor(S, Longint(Result)) then
    Result := TColor(StrToInt(S));
end;

procedure GetColorValues(Proc: TGetStrProc);
var
  I: Integer;
begin
  for I := Low(Colors) to High(Colors) do Proc(Colors[I].Name);
end;

function CopyPalette(Palette: HPALETTE): HPALETTE;
var
  PaletteSize: Integer;
  LogPal: TMaxLogPalette;
begin
  Result := 0;
  if Palette = 0 then Exit;
  PaletteSize := 0;
  if GetObject(Palette, SizeOf(PaletteSize), @PaletteSize) = 0 then Exit;
  if PaletteSize = 0 then Exit;
  with LogPal do
  begin
    palVersion := $0300;
    palNumEntries := PaletteSize;
    GetPaletteEntries(Palette, 0, PaletteSize, palPalEntry);
  end;
  Result := CreatePalette(PLogPalette(@LogPal)^);
end;

procedure PaletteChanged;

  procedure ClearForeignPalette(Canvas: TCanvas);
  begin
    if Canvas.FHandle <> 0 then
      SelectPalette(Canvas.FHandle, SystemPalette16, True);
  end;

var
  I: Integer;
begin
  for I := 0 to BitmapCanvasList.Count - 1 do
    ClearForeignPalette(TCanvas(BitmapCanvasList[I]));
end;

procedure FreeMemoryContexts;
var
  I: Integer;
begin
  for I := BitmapCanvasList.Count - 1 downto 0 do
    with TCanvas(BitmapCanvasList[I]) do
      if TryLock then
      try
        FreeContext;
      finally
        Unlock;
      end;
end;

function GetDefFontCharSet: Byte;
begin
  { ANSI_CHARSET; the sample library does not query the system locale }
  Result := 0;
end;

{ TResourceManager }

constructor TResourceManager.Create(AResDataSize: Word);
begin
  FResDataSize := AResDataSize;
end;

destructor TResourceManager.Destroy;
begin
  while FResList <> nil do
    FreeResource(FResList);
  inherited Destroy;
end;

function TResourceManager.AllocResource(const ResData): PResource;
var
  ResHash: Word;
begin
  ResHash := GetHashCode(ResData, FResDataSize);
  Result := FResList;
  while (Result <> nil) and ((Result^.HashCode <> ResHash) or
    not CompareMem(@Result^.Handle + 1, @ResData, FResDataSize)) do
    Result := Result^.Next;
  if Result = nil then
  begin
    GetMem(Result, FResDataSize + SizeOf(TResource));
    with Result^ do
    begin
      Next := FResList;
      RefCount := 0;
      Handle := 0;
      HashCode := ResHash;
    end;
    FResList := Result;
    Inc(FCount);
  end;
  Inc(Result^.RefCount);
end;

procedure TResourceManager.FreeResource(Resource: PResource);
var
  P: PResource;
begin
  if Resource <> nil then
    with Resource^ do
    begin
      Dec(RefCount);
      if RefCount = 0 then
      begin
        if Handle <> 0 then DeleteObject(Handle);
        if Resource = FResList then
          FResList := Resource^.Next
        else
        begin
          P := FResList;
          while P^.Next <> Resource do P := P^.Next;
          P^.Next := Resource^.Next;
        end;
        FreeMem(Resource, FResDataSize + SizeOf(TResource));
        Dec(FCount);
      end;
    end;
end;

procedure TResourceManager.ChangeResource(GraphicsObject: TObject; const ResData);
var
  P: PResource;
begin
  P := TGraphicsObject(GraphicsObject).FResource;
  TGraphicsObject(GraphicsObject).FResource := AllocResource(ResData);
  if TGraphicsObject(GraphicsObject).FResource <> P then
    TGraphicsObject(GraphicsObject).Changed;
  FreeResource(P);
end;

procedure TResourceManager.AssignResource(GraphicsObject: TObject;
  AResource: PResource);
var
  P: PResource;
begin
  P := TGraphicsObject(GraphicsObject).FResource;
  if P <> AResource then
  begin
    Inc(AResource^.RefCount);
    TGraphicsObject(GraphicsObject).FResource := AResource;
    TGraphicsObject(GraphicsObject).Changed;
    FreeResource(P);
  end;
end;

{ TFontManager }

function TFontManager.CreateHandle(Resource: PResource): THandle;
var
  LogFont: TLogFont;
begin
  FillChar(LogFont, SizeOf(LogFont), 0);
  with LogFont do
  begin
    lfHeight := -13;
    lfWeight := 400;
    StrPCopy(lfFaceName, DefFontData.Name);
  end;
  Result := CreateFontIndirect(LogFont);
end;

{ TPenManager }

function TPenManager.CreateHandle(Resource: PResource): THandle;
begin
  Result := CreatePen(0, 1, 0);
end;

{ TBrushManager }

function TBrushManager.CreateHandle(Resource: PResource): THandle;
begin
  Result := CreateSolidBrush(ColorToRGB(clWhite));
end;

{ TGraphicsObject }

procedure TGraphicsObject.Changed;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

{ TFont }

function TFont.GetHandle: HFont;
var
  LogFont: TLogFont;
begin
  if FHandle = 0 then
  begin
    FillChar(LogFont, SizeOf(LogFont), 0);
    with LogFont do
    begin
      lfHeight := FHeight;
      if fsBold in FStyle then lfWeight := 700 else lfWeight := 400;
      lfItalic := Byte(fsItalic in FStyle);
      lfUnderline := Byte(fsUnderline in FStyle);
      lfStrikeOut := Byte(fsStrikeOut in FStyle);
      lfCharSet := GetDefFontCharSet;
      StrPCopy(lfFaceName, FName);
      case FPitch of
        fpVariable: lfPitchAndFamily := 2;
        fpFixed: lfPitchAndFamily := 1;
      else
        lfPitchAndFamily := 0;
      end;
    end;
    FHandle := CreateFontIndirect(LogFont);
  end;
  Result := FHandle;
end;

function TFont.GetSize: Integer;
begin
  Result := -MulDiv(FHeight, 72, FPixelsPerInch);
end;

procedure TFont.SetColor(Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    Changed;
  end;
end;

procedure TFont.SetHandle(Value: HFont);
begin
  if FHandle <> Value then
  begin
    if FHandle <> 0 then DeleteObject(FHandle);
    FHandle := Value;
    if Value <> 0 then Changed;
  end;
end;

procedure TFont.SetHeight(Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    Changed;
  end;
end;

procedure TFont.SetName(const Value: TFontName);
begin
  if FName <> Value then
  begin
    FName := Value;
    Changed;
  end;
end;

procedure TFont.SetPitch(Value: TFontPitch);
begin
  if FPitch <> Value then
  begin
    FPitch := Value;
    Changed;
  end;
end;

procedure TFont.SetSize(Value: Integer);
begin
  Height := -MulDiv(Value, FPixelsPerInch, 72);
end;

procedure TFont.SetStyle(Value: TFontStyles);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    Changed;
  end;
end;

procedure TFont.Changed;
begin
  if FHandle <> 0 then
  begin
    DeleteObject(FHandle);
    FHandle := 0;
  end;
  inherited Changed;
end;

constructor TFont.Create;
begin
  FColor := clWindowText;
  FPixelsPerInch := 96;
  FName := DefFontData.Name;
  FHeight := DefFontData.Height;
  FPitch := fpDefault;
  FStyle := [];
end;

destructor TFont.Destroy;
begin
  SetHandle(0);
end;

procedure TFont.Assign(Source: TPersistent);
begin
  if Source is TFont then
  begin
    FColor := TFont(Source).FColor;
    FHeight := TFont(Source).FHeight;
    FName := TFont(Source).FName;
    FPitch := TFont(Source).FPitch;
    FStyle := TFont(Source).FStyle;
    if FPixelsPerInch <> TFont(Source).FPixelsPerInch then
      Size := TFont(Source).Size;
    Changed;
    Exit;
  end;
  inherited Assign(Source);
end;

{ TPen }

function TPen.GetHandle: HPen;
const
  PenStyles: array[TPenStyle] of Word = (0, 1, 2, 3, 4, 5, 6);
begin
  if FHandle = 0 then
    FHandle := CreatePen(PenStyles[FStyle], FWidth, ColorToRGB(FColor));
  Result := FHandle;
end;

procedure TPen.SetHandle(Value: HPen);
begin
  FHandle := Value;
end;

procedure TPen.SetColor(Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    Changed;
  end;
end;

procedure TPen.SetMode(Value: TPenMode);
begin
  if FMode <> Value then
  begin
    FMode := Value;
    Changed;
  end;
end;

procedure TPen.SetStyle(Value: TPenStyle);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    Changed;
  end;
end;

procedure TPen.SetWidth(Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    Changed;
  end;
end;

constructor TPen.Create;
begin
  FColor := clBlack;
  FMode := pmCopy;
  FStyle := psSolid;
  FWidth := 1;
end;

destructor TPen.Destroy;
begin
  if FHandle <> 0 then DeleteObject(FHandle);
end;

procedure TPen.Assign(Source: TPersistent);
begin
  if Source is TPen then
  begin
    Handle := TPen(Source).Handle;
    Color := TPen(Source).Color;
    Mode := TPen(Source).Mode;
    Style := TPen(Source).Style;
    Width := TPen(Source).Width;
  end
  else
    inherited Assign(Source);
end;

{ TBrush }

function TBrush.GetHandle: HBrush;
begin
  if FHandle = 0 then
    if FBitmap <> nil then
      FHandle := CreatePatternBrush(FBitmap.Handle)
    else if FStyle = bsSolid then
      FHandle := CreateSolidBrush(ColorToRGB(FColor))
    else if FStyle = bsClear then
      FHandle := GetStockObject(NULL_BRUSH)
    else
      FHandle := CreateHatchBrush(Ord(FStyle) - Ord(bsHorizontal), ColorToRGB(FColor));
  Result := FHandle;
end;

procedure TBrush.SetBitmap(Value: TBitmap);
begin
  FBitmap := Value;
  Changed;
end;

procedure TBrush.SetColor(Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    Changed;
  end;
end;

procedure TBrush.SetHandle(Value: HBrush);
begin
  FHandle := Value;
end;

procedure TBrush.SetStyle(Value: TBrushStyle);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    Changed;
  end;
end;

constructor TBrush.Create;
begin
  inherited Create;
  FBitmap := TBitmap.Create;
  FColor := clWhite;
  FStyle := bsSolid;
end;

destructor TBrush.Destroy;
begin
  FBitmap.Free;
  inherited Destroy;
end;

procedure TBrush.Assign(Source: TPersistent);
begin
  if Source is TBrush then
  begin
    Bitmap := TBrush(Source).Bitmap;
    Handle := TBrush(Source).Handle;
    Color := TBrush(Source).Color;
    Style := TBrush(Source).Style;
  end
  else
    inherited Assign(Source);
end;

{ TCanvas }

procedure TCanvas.CreateBrush;
begin
  UnrealizeObject(Brush.Handle);
  SelectObject(FHandle, Brush.Handle);
  if Brush.Style = bsSolid then
  begin
    SetBkColor(FHandle, ColorToRGB(Brush.Color));
    SetBkMode(FHandle, OPAQUE);
  end
  else
  begin
    SetBkColor(FHandle, not ColorToRGB(Brush.Color));
    SetBkMode(FHandle, TRANSPARENT);
  end;
end;

procedure TCanvas.CreateFont;
begin
  SelectObject(FHandle, Font.GetHandle);
  SetTextColor(FHandle, ColorToRGB(Font.Color));
end;

procedure TCanvas.CreatePen;
begin
  SelectObject(FHandle, Pen.GetHandle);
  SetROP2(FHandle, Ord(Pen.Mode) + 1);
end;

procedure TCanvas.BrushChanged(ABrush: TObject);
begin
  if csBrushValid in State then
  begin
    Exclude(State, csBrushValid);
    SelectObject(FHandle, StockBrush);
  end;
end;

procedure TCanvas.DeselectHandles;
begin
  if (FHandle <> 0) and (State - [csPenValid, csBrushValid, csFontValid] <> State) then
  begin
    SelectObject(FHandle, StockPen);
    SelectObject(FHandle, StockBrush);
    SelectObject(FHandle, StockFont);
    State := State - [csPenValid, csBrushValid, csFontValid];
  end;
end;

function TCanvas.GetClipRect: TRect;
begin
  RequiredState([csHandleValid]);
  GetClipBox(FHandle, Result);
end;

function TCanvas.GetHandle: HDC;
begin
  Changing;
  RequiredState(csAllValid);
  Result := FHandle;
end;

function TCanvas.GetPenPos: TPoint;
begin
  RequiredState([csHandleValid]);
  Result := FPenPos;
end;

function TCanvas.GetPixel(X, Y: Integer): TColor;
begin
  RequiredState([csHandleValid]);
  GetPixel := Windows.GetPixel(FHandle, X, Y);
end;

procedure TCanvas.FontChanged(AFont: TObject);
begin
  if csFontValid in State then
  begin
    Exclude(State, csFontValid);
    SelectObject(FHandle, StockFont);
  end;
end;

procedure TCanvas.PenChanged(APen: TObject);
begin
  if csPenValid in State then
  begin
    Exclude(State, csPenValid);
    SelectObject(FHandle, StockPen);
  end;
end;

procedure TCanvas.SetBrush(Value: TBrush);
begin
  FBrush.Assign(Value);
end;

procedure TCanvas.SetFont(Value: TFont);
begin
  FFont.Assign(Value);
end;

procedure TCanvas.SetHandle(Value: HDC);
begin
  if FHandle <> Value then
  begin
    if FHandle <> 0 then
    begin
      DeselectHandles;
      FPenPos := GetPenPos;
      FHandle := 0;
      Exclude(State, csHandleValid);
    end;
    if Value <> 0 then
    begin
      Include(State, csHandleValid);
      FHandle := Value;
      SetPenPos(FPenPos);
    end;
  end;
end;

procedure TCanvas.SetPen(Value: TPen);
begin
  FPen.Assign(Value);
end;

procedure TCanvas.SetPenPos(Value: TPoint);
begin
  MoveTo(Value.X, Value.Y);
end;

procedure TCanvas.SetPixel(X, Y: Integer; Value: TColor);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid]);
  Windows.SetPixel(FHandle, X, Y, ColorToRGB(Value));
  Changed;
end;

procedure TCanvas.Changed;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TCanvas.Changing;
begin
  if Assigned(FOnChanging) then FOnChanging(Self);
end;

procedure TCanvas.CreateHandle;
begin
end;

procedure TCanvas.RequiredState(ReqState: TCanvasState);
var
  NeededState: TCanvasState;
begin
  NeededState := ReqState - State;
  if NeededState <> [] then
  begin
    if csHandleValid in NeededState then
    begin
      CreateHandle;
      if FHandle = 0 then
        raise EInvalidOperation.Create('Canvas does not allow drawing');
    end;
    if csFontValid in NeededState then CreateFont;
    if csPenValid in NeededState then CreatePen;
    if csBrushValid in NeededState then CreateBrush;
    State := State + NeededState;
  end;
end;

constructor TCanvas.Create;
begin
  inherited Create;
  FFont := TFont.Create;
  FFont.OnChange := FontChanged;
  FPen := TPen.Create;
  FPen.OnChange := PenChanged;
  FBrush := TBrush.Create;
  FBrush.OnChange := BrushChanged;
  FCopyMode := cmSrcCopy;
  State := [];
end;

destructor TCanvas.Destroy;
begin
  SetHandle(0);
  FFont.Free;
  FPen.Free;
  FBrush.Free;
end;

procedure TCanvas.Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid]);
  Windows.Arc(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed;
end;

procedure TCanvas.BrushCopy(const Dest: TRect; Bitmap: TBitmap;
  const Source: TRect; Color: TColor);
var
  Mask: TBitmap;
begin
  if Bitmap = nil then Exit;
  Mask := TBitmap.Create;
  try
    Mask.Assign(Bitmap);
    Mask.Mask(Color);
    RequiredState([csHandleValid, csBrushValid]);
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Right - Dest.Left,
      Dest.Bottom - Dest.Top, Bitmap.Canvas.Handle, Source.Left, Source.Top,
      Source.Right - Source.Left, Source.Bottom - Source.Top, cmSrcInvert);
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Right - Dest.Left,
      Dest.Bottom - Dest.Top, Mask.Canvas.Handle, Source.Left, Source.Top,
      Source.Right - Source.Left, Source.Bottom - Source.Top, cmSrcAnd);
  finally
    Mask.Free;
  end;
  Changed;
end;

procedure TCanvas.Chord(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
begin
end;

procedure TCanvas.CopyRect(const Dest: TRect; Canvas: TCanvas;
  const Source: TRect);
begin
  Changing;
  RequiredState([csHandleValid, csFontValid, csBrushValid]);
  Canvas.RequiredState([csHandleValid, csBrushValid]);
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Right - Dest.Left,
    Dest.Bottom - Dest.Top, Canvas.FHandle, Source.Left, Source.Top,
    Source.Right - Source.Left, Source.Bottom - Source.Top, CopyMode);
  Changed;
end;

procedure TCanvas.Draw(X, Y: Integer; Graphic: TGraphic);
begin
  if (Graphic <> nil) and not Graphic.Empty then
  begin
    Changing;
    RequiredState([csHandleValid]);
    Graphic.Draw(Self, Rect(X, Y, X + Graphic.Width, Y + Graphic.Height));
    Changed;
  end;
end;

procedure TCanvas.DrawFocusRect(const Rect: TRect);
begin
end;

procedure TCanvas.Ellipse(X1, Y1, X2, Y2: Integer);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid, csBrushValid]);
  Windows.Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed;
end;

procedure TCanvas.FillRect(const Rect: TRect);
begin
  Changing;
  RequiredState([csHandleValid, csBrushValid]);
  Windows.FillRect(FHandle, Rect, Brush.Handle);
  Changed;
end;

procedure TCanvas.FloodFill(X, Y: Integer; Color: TColor; FillStyle: TFillStyle);
begin
end;

procedure TCanvas.FrameRect(const Rect: TRect);
begin
  Changing;
  RequiredState([csHandleValid, csBrushValid]);
  Windows.FrameRect(FHandle, Rect, Brush.Handle);
  Changed;
end;

procedure TCanvas.LineTo(X, Y: Integer);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid]);
  Windows.LineTo(FHandle, X, Y);
  FPenPos := Point(X, Y);
  Changed;
end;

procedure TCanvas.MoveTo(X, Y: Integer);
begin
  RequiredState([csHandleValid]);
  Windows.MoveToEx(FHandle, X, Y, nil);
  FPenPos := Point(X, Y);
end;

procedure TCanvas.Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4: Integer);
begin
end;

procedure TCanvas.Polygon(const Points: array of TPoint);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid, csBrushValid]);
  Windows.Polygon(FHandle, PPoints(@Points)^, High(Points) + 1);
  Changed;
end;

procedure TCanvas.Polyline(const Points: array of TPoint);
begin
  Changing;
  RequiredState([csHandleValid, csPenValid, csBrushValid]);
  Windows.Polyline(FHandle, PPoints(@Points)^, High(Points) + 1);
  Changed;
end;

procedure TCanvas.Rectangle(X1, Y1, X2, Y2: Integer);
begin
  Changing;
  RequiredState([csHandleValid, csBrushValid, csPenValid]);
  Windows.Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed;
end;

procedure TCanvas.Refresh;
begin
  DeselectHandles;
end;

procedure TCanvas.RoundRect(X1, Y1, X2, Y2, X3, Y3: Integer);
begin
end;

procedure TCanvas.StretchDraw(const Rect: TRect; Graphic: TGraphic);
begin
  if Graphic <> nil then
  begin
    Changing;
    RequiredState(csAllValid);
    Graphic.Draw(Self, Rect);
    Changed;
  end;
end;

function TCanvas.TextExtent(const Text: string): TSize;
begin
  RequiredState([csHandleValid, csFontValid]);
  Result.cX := 0;
  Result.cY := 0;
  Windows.GetTextExtentPoint32(FHandle, PChar(Text), Length(Text), Result);
end;

function TCanvas.TextHeight(const Text: string): Integer;
begin
  Result := TextExtent(Text).cY;
end;

procedure TCanvas.TextOut(X, Y: Integer; const Text: string);
begin
  Changing;
  RequiredState([csHandleValid, csFontValid, csBrushValid]);
  Windows.TextOut(FHandle, X, Y, PChar(Text), Length(Text));
  MoveTo(X + TextWidth(Text), Y);
  Changed;
end;

procedure TCanvas.TextRect(Rect: TRect; X, Y: Integer; const Text: string);
var
  Options: Integer;
begin
  Changing;
  RequiredState([csHandleValid, csFontValid, csBrushValid]);
  Options := ETO_CLIPPED;
  if Brush.Style <> bsClear then Inc(Options, ETO_OPAQUE);
  Windows.ExtTextOut(FHandle, X, Y, Options, @Rect, PChar(Text),
    Length(Text), nil);
  Changed;
end;

function TCanvas.TextWidth(const Text: string): Integer;
begin
  Result := TextExtent(Text).cX;
end;

{ TGraphic }

procedure TGraphic.SetModified(Value: Boolean);
begin
  if Value then
    Changed(Self)
  else
    FModified := False;
end;

procedure TGraphic.Changed(Sender: TObject);
begin
  FModified := True;
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TGraphic.DefineProperties(Filer: TFiler);

  function DoWrite: Boolean;
  begin
    if Filer.Ancestor <> nil then
      Result := not (Filer.Ancestor is TGraphic) or
        not Equals(TGraphic(Filer.Ancestor))
    else
      Result := not Empty;
  end;

begin
  Filer.DefineBinaryProperty('Data', ReadData, WriteData, DoWrite);
end;

function TGraphic.Equals(Graphic: TGraphic): Boolean;
var
  MyImage, GraphicsImage: TMemoryStream;
begin
  Result := (Graphic <> nil) and (ClassType = Graphic.ClassType);
  if Empty or Graphic.Empty then
  begin
    Result := Empty and Graphic.Empty;
    Exit;
  end;
  if Result then
  begin
    MyImage := TMemoryStream.Create;
    try
      WriteData(MyImage);
      GraphicsImage := TMemoryStream.Create;
      try
        Graphic.WriteData(GraphicsImage);
        Result := (MyImage.Size = GraphicsImage.Size) and
          CompareMem(MyImage.Memory, GraphicsImage.Memory, MyImage.Size);
      finally
        GraphicsImage.Free;
      end;
    finally
      MyImage.Free;
    end;
  end;
end;

procedure TGraphic.ReadData(Stream: TStream);
begin
  LoadFromStream(Stream);
end;

procedure TGraphic.WriteData(Stream: TStream);
begin
  SaveToStream(Stream);
end;

constructor TGraphic.Create;
begin
  inherited Create;
end;

procedure TGraphic.LoadFromFile(const Filename: string);
var
  Stream: TStream;
begin
  Stream := TFileStream.Create(Filename, fmOpenRead or fmShareDenyWrite);
  try
    LoadFromStream(Stream);
  finally
    Stream.Free;
  end;
end;

procedure TGraphic.SaveToFile(const Filename: string);
var
  Stream: TStream;
begin
  Stream := TFileStream.Create(Filename, fmCreate);
  try
    SaveToStream(Stream);
  finally
    Stream.Free;
  end;
end;

{ TPicture }

procedure TPicture.ForceType(GraphicType: TGraphicClass);
begin
  if not (FGraphic is GraphicType) then
  begin
    FGraphic.Free;
    FGraphic := nil;
    FGraphic := GraphicType.Create;
    FGraphic.OnChange := Changed;
    Changed(Self);
  end;
end;

function TPicture.GetBitmap: TBitmap;
begin
  ForceType(TBitmap);
  Result := TBitmap(Graphic);
end;

function TPicture.GetHeight: Integer;
begin
  Result := 0;
  if FGraphic <> nil then Result := FGraphic.Height;
end;

function TPicture.GetIcon: TIcon;
begin
  ForceType(TIcon);
  Result := TIcon(Graphic);
end;

function TPicture.GetMetafile: TMetafile;
begin
  ForceType(TMetafile);
  Result := TMetafile(Graphic);
end;

function TPicture.GetWidth: Integer;
begin
  Result := 0;
  if FGraphic <> nil then Result := FGraphic.Width;
end;

procedure TPicture.ReadData(Stream: TStream);
var
  CName: string[63];
  NewGraphic: TGraphic;
  GraphicClass: TGraphicClass;
begin
  Stream.Read(CName[0], 1);
  Stream.Read(CName[1], Integer(CName[0]));
  GraphicClass := TGraphicClass(FindClass(CName));
  NewGraphic := nil;
  if GraphicClass <> nil then
  begin
    NewGraphic := GraphicClass.Create;
    try
      NewGraphic.ReadData(Stream);
    except
      NewGraphic.Free;
      raise;
    end;
  end;
  FGraphic.Free;
  FGraphic := NewGraphic;
  if NewGraphic <> nil then
    NewGraphic.OnChange := Changed;
  Changed(Self);
end;

procedure TPicture.SetBitmap(Value: TBitmap);
begin
  SetGraphic(Value);
end;

procedure TPicture.SetGraphic(Value: TGraphic);
var
  NewGraphic: TGraphic;
begin
  NewGraphic := nil;
  if Value <> nil then
  begin
    NewGraphic := TGraphicClass(Value.ClassType).Create;
    NewGraphic.Assign(Value);
    NewGraphic.OnChange := Changed;
  end;
  try
    FGraphic.Free;
    FGraphic := NewGraphic;
    Changed(Self);
  except
    NewGraphic.Free;
    raise;
  end;
end;

procedure TPicture.SetIcon(Value: TIcon);
begin
  SetGraphic(Value);
end;

procedure TPicture.SetMetafile(Value: TMetafile);
begin
  SetGraphic(Value);
end;

procedure TPicture.WriteData(Stream: TStream);
var
  CName: string[63];
begin
  if Graphic <> nil then
    CName := Graphic.ClassName
  else
    CName := '';
  Stream.Write(CName, Length(CName) + 1);
  if Graphic <> nil then
    Graphic.WriteData(Stream);
end;

procedure TPicture.AssignTo(Dest: TPersistent);
begin
  if Graphic is Dest.ClassType then
    Dest.Assign(Graphic)
  else
    inherited AssignTo(Dest);
end;

procedure TPicture.Changed(Sender: TObject);
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TPicture.DefineProperties(Filer: TFiler);

  function DoWrite: Boolean;
  var
    Ancestor: TPicture;
  begin
    if Filer.Ancestor <> nil then
    begin
      Result := True;
      if Filer.Ancestor is TPicture then
      begin
        Ancestor := TPicture(Filer.Ancestor);
        Result := not ((Graphic = Ancestor.Graphic) or
          ((Graphic <> nil) and (Ancestor.Graphic <> nil) and
          Graphic.Equals(Ancestor.Graphic)));
      end;
    end
    else
      Result := Graphic <> nil;
  end;

begin
  Filer.DefineBinaryProperty('Data', ReadData, WriteData, DoWrite);
end;

destructor TPicture.Destroy;
begin
  FGraphic.Free;
  inherited Destroy;
end;

procedure TPicture.LoadFromFile(const Filename: string);
var
  Ext: string;
  NewGraphic: TGraphic;
  GraphicClass: TGraphicClass;
begin
  Ext := ExtractFileExt(Filename);
  System.Delete(Ext, 1, 1);
  GraphicClass := FindFileFormat(Ext);
  if GraphicClass = nil then
    raise EInvalidGraphic.CreateFmt('Unknown picture file extension (.%s)', [Ext]);
  NewGraphic := GraphicClass.Create;
  try
    NewGraphic.LoadFromFile(Filename);
  except
    NewGraphic.Free;
    raise;
  end;
  FGraphic.Free;
  FGraphic := NewGraphic;
  FGraphic.OnChange := Changed;
  Changed(Self);
end;

procedure TPicture.SaveToFile(const Filename: string);
begin
  if FGraphic <> nil then FGraphic.SaveToFile(Filename);
end;

procedure TPicture.LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE);
begin
end;

procedure TPicture.SaveToClipboardFormat(var AFormat: Word; var AData: THandle;
      var APalette: HPALETTE);
begin
end;

class function TPicture.SupportsClipboardFormat(AFormat: Word): Boolean;
var
  I: Integer;
begin
  for I := 0 to ClipboardFormats.Count - 1 do
    if Word(ClipboardFormats[I]) = AFormat then
    begin
      Result := True;
      Exit;
    end;
  Result := False;
end;

procedure TPicture.Assign(Source: TPersistent);
begin
  if Source = nil then
    SetGraphic(nil)
  else if Source is TPicture then
    SetGraphic(TPicture(Source).Graphic)
  else if Source is TGraphic then
    SetGraphic(TGraphic(Source))
  else
    inherited Assign(Source);
end;

class procedure TPicture.RegisterFileFormat(const AExtension,
  ADescription: string; AGraphicClass: TGraphicClass);
var
  NewRec: PFileFormat;
begin
  New(NewRec);
  with NewRec^ do
  begin
    Extension := AnsiLowerCase(AExtension);
    GraphicClass := AGraphicClass;
    Description := ADescription;
  end;
  FileFormats.Add(NewRec);
end;

class procedure TPicture.RegisterClipboardFormat(AFormat: Word;
  AGraphicClass: TGraphicClass);
begin
  ClipboardFormats.Add(Pointer(AFormat));
end;

class procedure TPicture.UnregisterGraphicClass(AClass: TGraphicClass);
var
  I: Integer;
begin
  for I := FileFormats.Count - 1 downto 0 do
    if PFileFormat(FileFormats[I])^.GraphicClass.InheritsFrom(AClass) then
    begin
      Dispose(PFileFormat(FileFormats[I]));
      FileFormats.Delete(I);
    end;
end;

{ TMetafileCanvas }

constructor TMetafileCanvas.Create(AMetafile: TMetafile; ReferenceDevice: HDC);
begin
  inherited Create;
  FMetafile := AMetafile;
  Handle := CreateEnhMetafile(ReferenceDevice, nil, nil, nil);
end;

destructor TMetafileCanvas.Destroy;
var
  Temp: HDC;
begin
  Temp := Handle;
  Handle := 0;
  FMetafile.Handle := CloseEnhMetafile(Temp);
  inherited Destroy;
end;

{ TSharedImage }

procedure TSharedImage.Reference;
begin
  Inc(FRefCount);
end;

procedure TSharedImage.Release;
begin
  if Pointer(Self) <> nil then
  begin
    Dec(FRefCount);
    if FRefCount = 0 then
    begin
      FreeHandle;
      Free;
    end;
  end;
end;

{ TMetafileImage }

procedure TMetafileImage.FreeHandle;
begin
  if FHandle <> 0 then DeleteEnhMetafile(FHandle);
  if FPalette <> 0 then DeleteObject(FPalette);
  FHandle := 0;
  FPalette := 0;
end;

destructor TMetafileImage.Destroy;
begin
  FreeHandle;
  inherited Destroy;
end;

{ TMetafile }

function TMetafile.GetAuthor: string;
begin
  Result := '';
end;

function TMetafile.GetDesc: string;
begin
  Result := '';
end;

function TMetafile.GetHandle: HENHMETAFILE;
begin
  Result := FImage.FHandle;
end;

function TMetafile.GetInch: Word;
begin
  Result := FImage.FInch;
end;

function TMetafile.GetMMHeight: Integer;
begin
  Result := MulDiv(FImage.FHeight, 2540, 96);
end;

function TMetafile.GetMMWidth: Integer;
begin
  Result := MulDiv(FImage.FWidth, 2540, 96);
end;

procedure TMetafile.NewImage;
begin
  FImage.Release;
  FImage := TMetafileImage.Create;
  FImage.Reference;
end;

procedure TMetafile.SetHandle(Value: HENHMETAFILE);
begin
  if (Value <> 0) or (FImage.FHandle <> 0) then
  begin
    NewImage;
    FImage.FHandle := Value;
    Changed(Self);
  end;
end;

procedure TMetafile.SetInch(Value: Word);
begin
end;

procedure TMetafile.SetMMHeight(Value: Integer);
begin
end;

procedure TMetafile.SetMMWidth(Value: Integer);
begin
end;

procedure TMetafile.UniqueImage;
var
  NewImage: TMetafileImage;
begin
  if FImage.RefCount > 1 then
  begin
    NewImage := TMetafileImage.Create;
    if FImage.FHandle <> 0 then
      NewImage.FHandle := CopyEnhMetafile(FImage.FHandle, nil);
    NewImage.FHeight := FImage.FHeight;
    NewImage.FWidth := FImage.FWidth;
    NewImage.FInch := FImage.FInch;
    NewImage.FPalette := CopyPalette(FImage.FPalette);
    FImage.Release;
    FImage := NewImage;
    FImage.Reference;
  end;
end;

function TMetafile.GetEmpty: Boolean;
begin
  Result := FImage.FHandle = 0;
end;

function TMetafile.GetHeight: Integer;
begin
  Result := FImage.FHeight;
end;

function TMetafile.GetWidth: Integer;
begin
  Result := FImage.FWidth;
end;

procedure TMetafile.Draw(ACanvas: TCanvas; const Rect: TRect);
begin
  if FImage = nil then Exit;
  PlayEnhMetaFile(ACanvas.Handle, FImage.FHandle, Rect);
end;

procedure TMetafile.ReadData(Stream: TStream);
begin
  inherited ReadData(Stream);
end;

procedure TMetafile.ReadEMFStream(Stream: TStream);
begin
end;

procedure TMetafile.ReadWMFStream(Stream: TStream; Length: Longint);
begin
end;

procedure TMetafile.SetHeight(Value: Integer);
begin
  UniqueImage;
  FImage.FHeight := Value;
  Changed(Self);
end;

procedure TMetafile.SetWidth(Value: Integer);
begin
  UniqueImage;
  FImage.FWidth := Value;
  Changed(Self);
end;

function TMetafile.TestEMF(Stream: TStream): Boolean;
var
  Size: Longint;
  Header: array[0..87] of Byte;
begin
  Size := Stream.Size - Stream.Position;
  if Size > SizeOf(Header) then
  begin
    Stream.Read(Header, SizeOf(Header));
    Stream.Seek(-SizeOf(Header), soFromCurrent);
  end;
  Result := (Size > SizeOf(Header)) and (Header[0] = 1) and (Header[40] = $20);
end;

procedure TMetafile.WriteData(Stream: TStream);
begin
  inherited WriteData(Stream);
end;

procedure TMetafile.WriteEMFStream(Stream: TStream);
begin
end;

procedure TMetafile.WriteWMFStream(Stream: TStream);
begin
end;

constructor TMetafile.Create;
begin
  inherited Create;
  FEnhanced := True;
  Assign(nil);
end;

destructor TMetafile.Destroy;
begin
  FImage.Release;
  inherited Destroy;
end;

procedure TMetafile.Clear;
begin
  NewImage;
end;

procedure TMetafile.LoadFromStream(Stream: TStream);
begin
  if TestEMF(Stream) then
    ReadEMFStream(Stream)
  else
    ReadWMFStream(Stream, Stream.Size - Stream.Position);
  PaletteModified := Palette <> 0;
  Changed(Self);
end;

procedure TMetafile.SaveToFile(const Filename: string);
var
  SaveEnh: Boolean;
begin
  SaveEnh := Enhanced;
  try
    if AnsiLowerCase(ExtractFileExt(Filename)) = '.wmf' then
      Enhanced := False;
    inherited SaveToFile(Filename);
  finally
    Enhanced := SaveEnh;
  end;
end;

procedure TMetafile.SaveToStream(Stream: TStream);
begin
  if FImage <> nil then
    if Enhanced then
      WriteEMFStream(Stream)
    else
      WriteWMFStream(Stream);
end;

procedure TMetafile.LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE);
begin
end;

procedure TMetafile.SaveToClipboardFormat(var AFormat: Word; var AData: THandle;
      var APalette: HPALETTE);
begin
end;

procedure TMetafile.Assign(Source: TPersistent);
begin
  if (Source = nil) or (Source is TMetafile) then
  begin
    if FImage <> nil then FImage.Release;
    if Assigned(Source) then
    begin
      FImage := TMetafile(Source).FImage;
      FEnhanced := TMetafile(Source).Enhanced;
    end
    else
    begin
      FImage := TMetafileImage.Create;
      FEnhanced := True;
    end;
    FImage.Reference;
    Changed(Self);
  end
  else
    inherited Assign(Source);
end;

function TMetafile.ReleaseHandle: HENHMETAFILE;
begin
  UniqueImage;
  Result := FImage.FHandle;
  FImage.FHandle := 0;
end;

{ TBitmapImage }

procedure TBitmapImage.FreeHandle;
begin
  if (FHandle <> 0) and (FHandle <> FDIBHandle) then
    DeleteObject(FHandle);
  if FMaskHandle <> 0 then DeleteObject(FMaskHandle);
  FHandle := 0;
  FMaskHandle := 0;
end;

destructor TBitmapImage.Destroy;
begin
  FreeHandle;
  if FDIBHandle <> 0 then DeleteObject(FDIBHandle);
  FSaveStream.Free;
  inherited Destroy;
end;

{ TBitmap }

procedure TBitmap.Changing(Sender: TObject);
begin
  FreeImage;
  FImage.FreeHandle;
end;

procedure TBitmap.CopyImage(AHandle: HBITMAP; APalette: HPALETTE; AWidth,
      AHeight: Integer; AMonochrome: Boolean);
begin
end;

procedure TBitmap.FreeContext;
begin
end;

function TBitmap.GetCanvas: TCanvas;
begin
  if FCanvas = nil then
  begin
    HandleNeeded;
    FCanvas := TCanvas.Create;
    FCanvas.OnChange := Changed;
    FCanvas.OnChanging := Changing;
  end;
  Result := FCanvas;
end;

function TBitmap.GetHandle: HBITMAP;
begin
  FreeContext;
  HandleNeeded;
  Changing(Self);
  Result := FImage.FHandle;
end;

function TBitmap.GetMaskHandle: HBITMAP;
begin
  MaskHandleNeeded;
  Result := FImage.FMaskHandle;
end;

function TBitmap.GetMonochrome: Boolean;
begin
  Result := FImage.FMonochrome;
end;

function TBitmap.GetPalette: HPALETTE;
begin
  PaletteNeeded;
  Result := FImage.FPalette;
end;

function TBitmap.GetTransparentColor: TColor;
begin
  if FTransparentColor = clDefault then
  begin
    if Monochrome then
      Result := clWhite
    else
      Result := Canvas.Pixels[0, Height - 1];
  end
  else
    Result := ColorToRGB(FTransparentColor);
  Result := Result or $02000000;
end;

procedure TBitmap.NewImage(NewHandle: HBITMAP; NewPalette: HPALETTE;
      NewWidth, NewHeight: Integer; NewMonochrome: Boolean;
      NewSaveStream: TMemoryStream);
begin
end;

procedure TBitmap.ReadStream(Stream: TStream; Size: Longint);
begin
end;

procedure TBitmap.SetHandle(Value: HBITMAP);
begin
end;

procedure TBitmap.SetMonochrome(Value: Boolean);
begin
  with FImage do
    if Value <> FMonochrome then
    begin
      HandleNeeded;
      CopyImage(FHandle, FPalette, FWidth, FHeight, Value);
      Changed(Self);
    end;
end;

procedure TBitmap.SetPalette(Value: HPALETTE);
begin
end;

procedure TBitmap.WriteStream(Stream: TStream; WriteSize: Boolean);
begin
end;

procedure TBitmap.Draw(ACanvas: TCanvas; const Rect: TRect);
begin
  with Rect do
    ACanvas.CopyRect(Rect, Canvas, Classes.Rect(0, 0, Width, Height));
end;

function TBitmap.GetEmpty: Boolean;
begin
  with FImage do
    Result := (FHandle = 0) and (FDIBHandle = 0) and (FSaveStream = nil);
end;

function TBitmap.GetHeight: Integer;
begin
  Result := FImage.FHeight;
end;

function TBitmap.GetWidth: Integer;
begin
  Result := FImage.FWidth;
end;

procedure TBitmap.HandleNeeded;
begin
end;

procedure TBitmap.MaskHandleNeeded;
begin
end;

procedure TBitmap.PaletteNeeded;
begin
end;

procedure TBitmap.ReadData(Stream: TStream);
var
  Size: Longint;
begin
  Stream.Read(Size, SizeOf(Size));
  ReadStream(Stream, Size);
end;

procedure TBitmap.SetHeight(Value: Integer);
begin
  with FImage do
    if FHeight <> Value then
    begin
      HandleNeeded;
      CopyImage(FHandle, FPalette, FWidth, Value, FMonochrome);
      Changed(Self);
    end;
end;

procedure TBitmap.SetWidth(Value: Integer);
begin
  with FImage do
    if FWidth <> Value then
    begin
      HandleNeeded;
      CopyImage(FHandle, FPalette, Value, FHeight, FMonochrome);
      Changed(Self);
    end;
end;

procedure TBitmap.WriteData(Stream: TStream);
begin
  WriteStream(Stream, True);
end;

constructor TBitmap.Create;
begin
  inherited Create;
  FTransparentColor := clDefault;
  FImage := TBitmapImage.Create;
  FImage.Reference;
end;

destructor TBitmap.Destroy;
begin
  FreeContext;
  FImage.Release;
  FCanvas.Free;
  inherited Destroy;
end;

procedure TBitmap.Assign(Source: TPersistent);
begin
  if (Source = nil) or (Source is TBitmap) then
  begin
    if Source <> nil then
    begin
      TBitmap(Source).FImage.Reference;
      FImage.Release;
      FImage := TBitmap(Source).FImage;
      FTransparentColor := TBitmap(Source).FTransparentColor;
    end
    else
      NewImage(0, 0, 0, 0, False, nil);
    Changed(Self);
  end
  else
    inherited Assign(Source);
end;

procedure TBitmap.Dormant;
begin
  FreeContext;
  FImage.FreeHandle;
end;

procedure TBitmap.FreeImage;
begin
  with FImage do
    if FRefCount > 1 then
      CopyImage(FHandle, FPalette, FWidth, FHeight, FMonochrome)
    else
    begin
      FSaveStream.Free;
      FSaveStream := nil;
    end;
end;

procedure TBitmap.LoadFromClipboardFormat(AFormat: Word; AData: THandle;
      APalette: HPALETTE);
begin
end;

procedure TBitmap.LoadFromStream(Stream: TStream);
begin
  ReadStream(Stream, Stream.Size - Stream.Position);
end;

procedure TBitmap.LoadFromResourceName(Instance: THandle; const ResName: string);
var
  Stream: TCustomMemoryStream;
begin
  Stream := TResourceStream.Create(Instance, ResName, RT_BITMAP);
  try
    ReadStream(Stream, Stream.Size);
  finally
    Stream.Free;
  end;
end;

procedure TBitmap.LoadFromResourceID(Instance: THandle; ResID: Integer);
var
  Stream: TCustomMemoryStream;
begin
  Stream := TResourceStream.CreateFromID(Instance, ResID, RT_BITMAP);
  try
    ReadStream(Stream, Stream.Size);
  finally
    Stream.Free;
  end;
end;

procedure TBitmap.Mask(TransparentColor: TColor);
var
  NewHandle: HBITMAP;
begin
  NewHandle := CreateBitmap(Width, Height, 1, 1, nil);
  with FImage do
    NewImage(NewHandle, 0, FWidth, FHeight, True, nil);
  FTransparentColor := TransparentColor;
  Changed(Self);
end;

function TBitmap.ReleaseHandle: HBITMAP;
begin
  Result := 0;
end;

function TBitmap.ReleaseMaskHandle: HBITMAP;
begin
  Result := 0;
end;

function TBitmap.ReleasePalette: HPALETTE;
begin
  Result := 0;
end;

procedure TBitmap.SaveToClipboardFormat(var Format: Word; var Data: THandle;
      var APalette: HPALETTE);
begin
end;

procedure TBitmap.SaveToStream(Stream: TStream);
begin
  WriteStream(Stream, False);
end;

{ TIconImage }

procedure TIconImage.FreeHandle;
begin
end;

destructor TIconImage.Destroy;
begin
  inherited Destroy;
end;

{ TIcon }

function TIcon.GetHandle: HICON;
begin
  HandleNeeded;
  Result := FImage.FHandle;
end;

procedure TIcon.HandleNeeded;
begin
end;

procedure TIcon.ImageNeeded;
begin
end;

procedure TIcon.NewImage(NewHandle: HICON; NewImage: TMemoryStream);
begin
end;

procedure TIcon.SetHandle(Value: HICON);
begin
end;

procedure TIcon.Draw(ACanvas: TCanvas; const Rect: TRect);
begin
  with Rect.TopLeft do
    DrawIcon(ACanvas.Handle, X, Y, Handle);
end;

function TIcon.GetEmpty: Boolean;
begin
  with FImage do
    Result := (FHandle = 0) and (FMemoryImage = nil);
end;

function TIcon.GetHeight: Integer;
begin
  Result := FImage.FSize.Y;
  if Result = 0 then Result := GetSystemMetrics(SM_CYICON);
end;

function TIcon.GetWidth: Integer;
begin
  Result := FImage.FSize.X;
  if Result = 0 then Result := GetSystemMetrics(SM_CXICON);
end;

procedure TIcon.SetHeight(Value: Integer);
begin
  if FImage.FHandle = 0 then
    FImage.FSize.Y := Value
  else
    raise EInvalidGraphicOperation.Create('Cannot change the size of an icon');
end;

procedure TIcon.SetWidth(Value: Integer);
begin
  if FImage.FHandle = 0 then
    FImage.FSize.X := Value
  else
    raise EInvalidGraphicOperation.Create('Cannot change the size of an icon');
end;

destructor TIcon.Destroy;
begin
  inherited Destroy;
end;

procedure TIcon.Assign(Source: TPersistent);
begin
  if Source is TIcon then
  begin
    Handle := TIcon(Source).Handle;
  end
  else
    inherited Assign(Source);
end;

procedure TIcon.LoadFromStream(Stream: TStream);
begin
end;

function TIcon.ReleaseHandle: HICON;
begin
  Result := 0;
end;

procedure TIcon.SaveToStream(Stream: TStream);
begin
end;

procedure TIcon.LoadFromClipboardFormat(AFormat: Word; AData: THandle;
  APalette: HPALETTE);
begin
  raise EInvalidGraphicOperation.Create('Icons cannot be read from the clipboard');
end;

procedure TIcon.SaveToClipboardFormat(var Format: Word; var Data: THandle;
  var APalette: HPALETTE);
begin
  raise EInvalidGraphicOperation.Create('Icons cannot be placed on the clipboard');
end;

initialization
  FileFormats := TList.Create;
  ClipboardFormats := TList.Create;
  BitmapCanvasList := TList.Create;
  FontManager := TFontManager.Create(SizeOf(TLogFont));
  PenManager := TPenManager.Create(12);
  BrushManager := TBrushManager.Create(16);
  TPicture.RegisterFileFormat('wmf', 'Metafiles', TMetafile);
  TPicture.RegisterFileFormat('emf', 'Enhanced Metafiles', TMetafile);
  TPicture.RegisterFileFormat('ico', 'Icons', TIcon);
  TPicture.RegisterFileFormat('bmp', 'Bitmaps', TBitmap);
finalization
  BrushManager.Free;
  PenManager.Free;
  FontManager.Free;
  BitmapCanvasList.Free;
  ClipboardFormats.Free;
  FileFormats.Free;
end.
